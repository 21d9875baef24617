// SPDX-License-Identifier: MIT
// Which window system the window goes to: the facts read from the command line and the
// environment, the decision, QApplication's command line, and the question to the compositor,
// asked of small compositors of the test's own that list the globals a case needs.
#include "wayland_session.h"

#include <gtest/gtest.h>
#include <wayland-server-core.h>

#include <atomic>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace varnik;
using namespace std::chrono_literals;

namespace {

std::string describe(const SessionFacts& facts) {
    std::string words;
    for (const auto& [set, word] : {std::pair{facts.platformChosen, "chosen"},
                                    {facts.waylandSession, "wayland"},
                                    {facts.socketHandedOver, "socket"},
                                    {facts.xDisplay, "x"}}) {
        if (set) {
            words += words.empty() ? word : std::string(" ") + word;
        }
    }
    return words;
}

using Environment = std::map<std::string, std::string>;

struct FactsCase {
    const char* name;
    std::vector<const char*> arguments; // after the program's name
    Environment environment;
    const char* facts; // as describe() writes them
};

const Environment gnome = {
    {"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}};

Environment gnomeWith(const char* name, const char* value) {
    Environment environment = gnome;
    environment[name] = value;
    return environment;
}

const FactsCase factsCases[] = {
    {"a Wayland session with XWayland", {}, gnome, "wayland x"},
    {"an X11 session", {}, {{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}}, "x"},
    {"WAYLAND_DISPLAY alone", {}, {{"WAYLAND_DISPLAY", "wayland-1"}}, "wayland"},
    {"an empty WAYLAND_DISPLAY counts, as for Qt", {}, {{"WAYLAND_DISPLAY", ""}}, "wayland"},
    {"the session's type alone", {}, {{"XDG_SESSION_TYPE", "wayland"}}, "wayland"},
    {"an empty DISPLAY is no X server", {}, gnomeWith("DISPLAY", ""), "wayland"},
    {"QT_QPA_PLATFORM", {}, gnomeWith("QT_QPA_PLATFORM", "wayland"), "chosen wayland x"},
    {"an empty QT_QPA_PLATFORM is no choice", {}, gnomeWith("QT_QPA_PLATFORM", ""), "wayland x"},
    {"-platform", {"-platform", "wayland"}, gnome, "chosen wayland x"},
    {"--platform", {"--platform", "xcb"}, gnome, "chosen wayland x"},
    {"-platform after other arguments",
     {"-style", "fusion", "-platform", "xcb"},
     gnome,
     "chosen wayland x"},
    {"-platform without a value", {"-platform"}, gnome, "wayland x"},
    {"-platformtheme", {"-platformtheme", "gtk3"}, gnome, "wayland x"},
    {"-platform as another option's value",
     {"-qwindowtitle", "-platform", "x"},
     gnome,
     "wayland x"},
    {"a handed-over socket", {}, gnomeWith("WAYLAND_SOCKET", "5"), "wayland socket x"},
};

} // namespace

TEST(WaylandSession, ReadsQtsFacts) {
    for (const FactsCase& c : factsCases) {
        SCOPED_TRACE(c.name);
        std::vector<const char*> argv = {"varnik-calculator"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const auto getenv = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(describe(readSessionFacts(static_cast<int>(argv.size()), argv.data(), getenv)),
                  c.facts);
    }
}

TEST(WaylandSession, AsksTheCompositorOnlyWhenItDecides) {
    struct Case {
        const char* name;
        SessionFacts facts;
        bool framesOffered;
        bool asked;
        bool xwayland;
    };
    const SessionFacts wayland{false, true, false, true};
    const Case cases[] = {
        {"no frames from the compositor (GNOME)", wayland, false, true, true},
        {"frames from the compositor (KDE Plasma)", wayland, true, true, false},
        {"the user's choice", {true, true, false, true}, false, false, false},
        {"an X11 session", {false, false, false, true}, false, false, false},
        {"no X server to go to", {false, true, false, false}, false, false, false},
        {"a handed-over socket", {false, true, true, true}, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool asked = false;
        EXPECT_EQ(preferXWayland(c.facts,
                                 [&] {
                                     asked = true;
                                     return c.framesOffered;
                                 }),
                  c.xwayland);
        EXPECT_EQ(asked, c.asked);
    }
}

TEST(WaylandSession, PlatformArgumentsFollowTheProgramsName) {
    const char* given[] = {"varnik-calculator", "-style", "fusion", "-platform"};
    char* argv[std::size(given)];
    for (std::size_t i = 0; i < std::size(given); ++i) {
        argv[i] = const_cast<char*>(given[i]);
    }

    PlatformArguments xwayland(4, argv, true);
    ASSERT_EQ(xwayland.argc(), 6);
    const std::vector<std::string> expected = {
        "varnik-calculator", "-platform", "xcb;wayland", "-style", "fusion", "-platform"};
    EXPECT_EQ(std::vector<std::string>(xwayland.argv(), xwayland.argv() + 6), expected);
    EXPECT_EQ(xwayland.argv()[6], nullptr);

    PlatformArguments unchanged(4, argv, false);
    ASSERT_EQ(unchanged.argc(), 4);
    EXPECT_EQ(std::vector<std::string>(unchanged.argv(), unchanged.argv() + 4),
              std::vector<std::string>(given, given + 4));
    EXPECT_EQ(unchanged.argv()[4], nullptr);

    PlatformArguments empty(0, argv, true); // nothing to put the option after
    EXPECT_EQ(empty.argc(), 0);
    EXPECT_EQ(empty.argv()[0], nullptr);
}

namespace {

// A compositor that lists the given globals on its own thread and offers nothing behind them.
class FakeCompositor {
public:
    FakeCompositor(const char* socket, const std::vector<std::string>& globals)
        : m_display(wl_display_create()) {
        EXPECT_EQ(wl_display_add_socket(m_display, socket), 0);
        for (const std::string& name : globals) {
            m_names.push_back(name);
            m_interfaces.push_back({m_names.back().c_str(), 1, 0, nullptr, 0, nullptr});
            wl_global_create(m_display, &m_interfaces.back(), 1, nullptr,
                             [](wl_client*, void*, uint32_t, uint32_t) {});
        }
        m_thread = std::thread([this] {
            wl_event_loop* loop = wl_display_get_event_loop(m_display);
            while (!m_stop) {
                wl_display_flush_clients(m_display);
                wl_event_loop_dispatch(loop, 5);
            }
        });
    }
    ~FakeCompositor() {
        m_stop = true;
        m_thread.join();
        wl_display_destroy(m_display);
    }
    FakeCompositor(const FakeCompositor&) = delete;
    FakeCompositor& operator=(const FakeCompositor&) = delete;

private:
    wl_display* m_display;
    std::deque<std::string> m_names; // deques: the globals keep pointers into them
    std::deque<wl_interface> m_interfaces;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

class Compositor : public ::testing::Test {
protected:
    // Sockets live in a runtime folder of the test's own.
    static void SetUpTestSuite() {
        char folder[] = "/tmp/varnik-wayland-XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        s_runtimeDir = folder;
        setenv("XDG_RUNTIME_DIR", folder, 1);
    }
    static void TearDownTestSuite() { rmdir(s_runtimeDir.c_str()); }

    static std::string s_runtimeDir;
};

std::string Compositor::s_runtimeDir;

const std::vector<std::string> weston = {"wl_compositor", "wl_subcompositor", "wl_shm",
                                         "wl_seat",       "wl_output",        "xdg_wm_base"};

std::vector<std::string> westonWith(std::initializer_list<const char*> more) {
    std::vector<std::string> globals = weston;
    globals.insert(globals.end(), more.begin(), more.end());
    return globals;
}

// More globals than the client reads in one go, the decoration manager last.
std::vector<std::string> manyGlobals() {
    std::vector<std::string> globals;
    for (int i = 0; i < 300; ++i) {
        globals.push_back("zvarnik_filler_global_v" + std::to_string(i));
    }
    globals.emplace_back("zxdg_decoration_manager_v1");
    return globals;
}

} // namespace

TEST_F(Compositor, OffersFramesWhenItListsADecorationManager) {
    struct Case {
        const char* name;
        std::vector<std::string> globals;
        bool framesOffered;
    };
    const Case cases[] = {
        {"none (weston, GNOME)", weston, false},
        {"both managers (KDE Plasma)",
         westonWith({"org_kde_kwin_server_decoration_manager", "zxdg_decoration_manager_v1"}),
         true},
        {"the standard manager", westonWith({"zxdg_decoration_manager_v1"}), true},
        {"KDE's manager", westonWith({"org_kde_kwin_server_decoration_manager"}), true},
        {"a decoration object is no manager", westonWith({"zxdg_toplevel_decoration_v1"}), false},
        {"the manager after many other globals", manyGlobals(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCompositor compositor("varnik-fake-0", c.globals);
        EXPECT_EQ(compositorDrawsFrames("varnik-fake-0", 2s), c.framesOffered);
    }
}

TEST_F(Compositor, NoCompositorOffersNoFrames) {
    EXPECT_FALSE(compositorDrawsFrames("varnik-nobody-here", 2s));
}

TEST_F(Compositor, ASilentCompositorIsGivenUpInTime) {
    // A socket that takes connections and never answers.
    const std::string path = s_runtimeDir + "/varnik-silent-0";
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(compositorDrawsFrames("varnik-silent-0", 200ms));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 190ms);
    EXPECT_LT(waited, 1s);

    close(listener);
    unlink(path.c_str());
}
