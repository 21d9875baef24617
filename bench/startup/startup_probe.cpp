// SPDX-License-Identifier: MIT
// Starts a program on the X display and measures how long it takes from exec to the first
// paint of its top-level window that is not a single colour, then its resident memory a
// while later. Prints one line "<milliseconds> <resident KiB>" and ends the program.
//
// Usage: startup_probe [--rss-delay-ms N] [--timeout-ms N] -- program [args...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(2);
}

// Windows come and go while the program starts (Qt's hidden leader window among them): an
// error about one that is already gone is expected, not fatal.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

bool ownedBy(Display* display, Window window, pid_t pid) {
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL,
                                          &type, &format, &count, &after, &data);
    bool owned = false;
    if (status == Success && data && format == 32 && count == 1) {
        owned = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    }
    if (data) {
        XFree(data);
    }
    return owned;
}

// True when the window shows more than one colour.
bool hasContent(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    bool varied = false;
    if (image->bits_per_pixel % 8 == 0) {
        const int bytes = image->bits_per_pixel / 8;
        const char* first = image->data;
        for (int y = 0; y < image->height && !varied; ++y) {
            const char* row = image->data + static_cast<long>(y) * image->bytes_per_line;
            for (int x = 0; x < image->width; ++x) {
                if (std::memcmp(row + x * bytes, first, static_cast<size_t>(bytes)) != 0) {
                    varied = true;
                    break;
                }
            }
        }
    } else {
        const unsigned long first = XGetPixel(image, 0, 0);
        for (int y = 0; y < image->height && !varied; ++y) {
            for (int x = 0; x < image->width; ++x) {
                if (XGetPixel(image, x, y) != first) {
                    varied = true;
                    break;
                }
            }
        }
    }
    XDestroyImage(image);
    return varied;
}

struct Options {
    int rssDelayMs = 1000;
    int timeoutMs = 10000;
    char** command = nullptr;
};

Options parseOptions(int argc, char* argv[]) {
    Options options;
    int index = 1;
    for (; index < argc; ++index) {
        const std::string arg = argv[index];
        if (arg == "--") {
            ++index;
            break;
        }
        if (index + 1 >= argc) {
            fail("an option lacks its value");
        }
        if (arg == "--rss-delay-ms") {
            options.rssDelayMs = std::atoi(argv[++index]);
        } else if (arg == "--timeout-ms") {
            options.timeoutMs = std::atoi(argv[++index]);
        } else {
            fail("usage: startup_probe [--rss-delay-ms N] [--timeout-ms N] -- program [args...]");
        }
    }
    if (index >= argc) {
        fail("no program given");
    }
    options.command = argv + index;
    return options;
}

// Forks and execs the program. The child sends the moment just before exec through a pipe
// that closes on exec; anything after it means exec failed.
pid_t launch(char** command, double& execMs) {
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) {
        fail("pipe failed");
    }
    const pid_t pid = fork();
    if (pid < 0) {
        fail("fork failed");
    }
    if (pid == 0) {
        close(channel[0]);
        const double start = nowMs();
        (void)!write(channel[1], &start, sizeof start);
        execvp(command[0], command);
        const int error = errno;
        (void)!write(channel[1], &error, sizeof error);
        _exit(127);
    }
    close(channel[1]);
    if (read(channel[0], &execMs, sizeof execMs) != static_cast<ssize_t>(sizeof execMs)) {
        fail("the child sent no start time");
    }
    int error = 0;
    if (read(channel[0], &error, sizeof error) > 0) {
        std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", command[0],
                     std::strerror(error));
        std::exit(2);
    }
    close(channel[0]);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 2000; waited += 10) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        fail("cannot open the display");
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fail("the X server has no DAMAGE extension");
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    // Top-level windows are the root's children: their creation and mapping are reported here.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    double execMs = 0;
    const pid_t pid = launch(options.command, execMs);

    // Damage is watched from each window's creation, so no paint can slip by before the map.
    std::map<Window, Damage> damages;
    Window target = None;
    double paintMs = -1;
    const int connection = ConnectionNumber(display);
    while (paintMs < 0) {
        if (!XPending(display)) {
            const int left = static_cast<int>(execMs + options.timeoutMs - nowMs());
            pollfd ready{connection, POLLIN, 0};
            if (left <= 0 || poll(&ready, 1, left) == 0) {
                stop(pid);
                fail("no painted window before the time limit");
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                fail("the program ended before it painted");
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double seen = nowMs();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            const Window window = event.xcreatewindow.window;
            damages[window] = XDamageCreate(display, window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root && target == None &&
                   !event.xmap.override_redirect && ownedBy(display, event.xmap.window, pid)) {
            target = event.xmap.window;
            // The program may have painted between its map and this moment.
            if (hasContent(display, target)) {
                paintMs = seen;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            XDamageSubtract(display, notify->damage, None, None);
            if (notify->drawable == target && hasContent(display, target)) {
                paintMs = seen;
            }
        }
    }
    for (const auto& entry : damages) {
        XDamageDestroy(display, entry.second);
    }
    XSync(display, False);

    usleep(static_cast<useconds_t>(options.rssDelayMs) * 1000);
    const long rss = residentKiB(pid);
    stop(pid);
    XCloseDisplay(display);
    std::printf("%.2f %ld\n", paintMs - execMs, rss);
    return 0;
}
