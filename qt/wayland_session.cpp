// SPDX-License-Identifier: MIT
#include "wayland_session.h"

#include <cstdlib>
#include <cstring>

#if __has_include(<wayland-client-core.h>)
#include <cerrno>
#include <dlfcn.h>
#include <poll.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>
#define VARNIK_ASK_WAYLAND 1
#endif

namespace varnik {

namespace {

// Far more than a compositor at work needs (a millisecond or so). One that does not answer
// in time sends the window to XWayland, where every desktop frames it.
constexpr std::chrono::milliseconds answerLimit{250};

bool isSet(const char* value) {
    return value && *value;
}

// Qt's own options that take the next argument as their value: "-qwindowtitle -platform" names
// a title, not a platform.
bool takesValue(const char* option) {
    for (const char* name : {"-platformpluginpath", "-platformtheme", "-qwindowgeometry",
                             "-qwindowtitle", "-qwindowicon"}) {
        if (std::strcmp(option, name) == 0) {
            return true;
        }
    }
    return false;
}

bool platformArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!arg || arg[0] != '-') {
            continue;
        }
        if (arg[1] == '-') { // Qt reads --platform as -platform
            ++arg;
        }
        if (std::strcmp(arg, "-platform") == 0) {
            if (i + 1 < argc) {
                return true;
            }
        } else if (takesValue(arg)) {
            ++i;
        }
    }
    return false;
}

#ifdef VARNIK_ASK_WAYLAND

// The few calls of libwayland-client that the question needs, looked up at run time: the program
// links no Wayland library, and where there is none it simply goes to X11. The library stays
// loaded: unloading it took longer than the whole question, and where the window stays on
// Wayland Qt loads it again.
class WaylandClient {
public:
    WaylandClient() : m_library(dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL)) {
        m_loaded =
            m_library && find(connect, "wl_display_connect") &&
            find(disconnect, "wl_display_disconnect") && find(getFd, "wl_display_get_fd") &&
            find(flush, "wl_display_flush") && find(prepareRead, "wl_display_prepare_read") &&
            find(readEvents, "wl_display_read_events") &&
            find(cancelRead, "wl_display_cancel_read") &&
            find(dispatchPending, "wl_display_dispatch_pending") &&
            find(marshalConstructor, "wl_proxy_marshal_constructor") &&
            find(addListener, "wl_proxy_add_listener") && find(destroy, "wl_proxy_destroy") &&
            find(registryInterface, "wl_registry_interface") &&
            find(callbackInterface, "wl_callback_interface");
    }

    bool loaded() const { return m_loaded; }

    decltype(&wl_display_connect) connect = nullptr;
    decltype(&wl_display_disconnect) disconnect = nullptr;
    decltype(&wl_display_get_fd) getFd = nullptr;
    decltype(&wl_display_flush) flush = nullptr;
    decltype(&wl_display_prepare_read) prepareRead = nullptr;
    decltype(&wl_display_read_events) readEvents = nullptr;
    decltype(&wl_display_cancel_read) cancelRead = nullptr;
    decltype(&wl_display_dispatch_pending) dispatchPending = nullptr;
    decltype(&wl_proxy_marshal_constructor) marshalConstructor = nullptr;
    decltype(&wl_proxy_add_listener) addListener = nullptr;
    decltype(&wl_proxy_destroy) destroy = nullptr;
    const wl_interface* registryInterface = nullptr;
    const wl_interface* callbackInterface = nullptr;

private:
    template <typename T> bool find(T*& symbol, const char* name) {
        symbol = reinterpret_cast<T*>(dlsym(m_library, name));
        return symbol != nullptr;
    }

    void* m_library;
    bool m_loaded = false;
};

struct RegistryAnswer {
    bool framesOffered = false;
    bool complete = false;
};

void announced(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    // The standard protocol, and KDE's own, which KWin offers beside it.
    for (const char* manager :
         {"zxdg_decoration_manager_v1", "org_kde_kwin_server_decoration_manager"}) {
        if (std::strcmp(interface, manager) == 0) {
            static_cast<RegistryAnswer*>(data)->framesOffered = true;
        }
    }
}

void withdrawn(void*, wl_registry*, uint32_t) {}

void synced(void* data, wl_callback*, uint32_t) {
    static_cast<RegistryAnswer*>(data)->complete = true;
}

const wl_registry_listener registryListener = {announced, withdrawn};
const wl_callback_listener syncListener = {synced};

// What wl_proxy_add_listener takes: the listener as an array of functions.
using Handlers = void (**)(void);

template <typename Listener> Handlers handlers(const Listener& listener) {
    return reinterpret_cast<Handlers>(const_cast<Listener*>(&listener));
}

// Reads events until the sync callback has fired: the compositor lists every global before it
// answers the sync. A roundtrip with a time limit, which wl_display_roundtrip has not.
bool readUntil(const WaylandClient& wl, wl_display* display, const bool& complete,
               std::chrono::steady_clock::time_point deadline) {
    while (!complete) {
        while (wl.prepareRead(display) != 0) {
            if (wl.dispatchPending(display) < 0) {
                return false;
            }
        }
        if (wl.flush(display) < 0 && errno != EAGAIN) {
            wl.cancelRead(display);
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd socket = {wl.getFd(display), POLLIN, 0};
        const int ready = left.count() > 0 ? poll(&socket, 1, static_cast<int>(left.count())) : 0;
        if (ready <= 0) {
            wl.cancelRead(display);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
        if (wl.readEvents(display) < 0 || wl.dispatchPending(display) < 0) {
            return false;
        }
    }
    return true;
}

#endif

} // namespace

SessionFacts readSessionFacts(int argc, const char* const* argv, const Getenv& getenv) {
    SessionFacts facts;
    facts.platformChosen = isSet(getenv("QT_QPA_PLATFORM")) || platformArgument(argc, argv);
    // Qt's own rule: a WAYLAND_DISPLAY, even empty (then "wayland-0"), or the session's type.
    const char* sessionType = getenv("XDG_SESSION_TYPE");
    facts.waylandSession = getenv("WAYLAND_DISPLAY") != nullptr ||
                           (sessionType && std::strcmp(sessionType, "wayland") == 0);
    facts.socketHandedOver = isSet(getenv("WAYLAND_SOCKET"));
    facts.xDisplay = isSet(getenv("DISPLAY"));
    return facts;
}

#ifdef VARNIK_ASK_WAYLAND

bool compositorDrawsFrames(const char* socket, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const WaylandClient wl;
    if (!wl.loaded()) {
        return false;
    }
    wl_display* display = wl.connect(socket);
    if (!display) {
        return false;
    }
    auto* const displayProxy = reinterpret_cast<wl_proxy*>(display);
    RegistryAnswer answer;
    wl_proxy* registry =
        wl.marshalConstructor(displayProxy, WL_DISPLAY_GET_REGISTRY, wl.registryInterface, nullptr);
    wl_proxy* sync =
        wl.marshalConstructor(displayProxy, WL_DISPLAY_SYNC, wl.callbackInterface, nullptr);
    bool answered = false;
    if (registry && sync) {
        wl.addListener(registry, handlers(registryListener), &answer);
        wl.addListener(sync, handlers(syncListener), &answer);
        answered = readUntil(wl, display, answer.complete, deadline);
    }
    for (wl_proxy* proxy : {sync, registry}) {
        if (proxy) {
            wl.destroy(proxy);
        }
    }
    wl.disconnect(display);
    return answered && answer.framesOffered;
}

#else

bool compositorDrawsFrames(const char*, std::chrono::milliseconds) {
    return false;
}

#endif

bool preferXWayland(const SessionFacts& facts, const std::function<bool()>& compositorDrawsFrames) {
    // A handed-over socket serves one connection, which is Qt's.
    if (facts.platformChosen || !facts.waylandSession || facts.socketHandedOver ||
        !facts.xDisplay) {
        return false;
    }
    return !compositorDrawsFrames();
}

PlatformArguments::PlatformArguments(int argc, char** argv)
    : PlatformArguments(argc, argv, [&] {
          const SessionFacts facts = readSessionFacts(argc, argv, &std::getenv);
          return preferXWayland(facts, [] { return compositorDrawsFrames(nullptr, answerLimit); });
      }()) {}

PlatformArguments::PlatformArguments(int argc, char** argv, bool xwayland) {
    static char option[] = "-platform";
    static char platforms[] = "xcb;wayland";
    m_argv.assign(argv, argv + argc);
    if (xwayland && argc > 0) {
        // Right after the program's name: a last "-platform" without a value must not take
        // this one as its value.
        m_argv.insert(m_argv.begin() + 1, {option, platforms});
    }
    m_argc = static_cast<int>(m_argv.size());
    m_argv.push_back(nullptr);
}

} // namespace varnik
