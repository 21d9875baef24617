// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <vector>

namespace varnik {

/// What start-up reads from the command line and the environment before Qt picks its window
/// system.
struct SessionFacts {
    bool platformChosen = false;   ///< QT_QPA_PLATFORM or -platform: the user has chosen
    bool waylandSession = false;   ///< WAYLAND_DISPLAY or XDG_SESSION_TYPE=wayland: Qt would
                                   ///< pick its Wayland plugin
    bool socketHandedOver = false; ///< WAYLAND_SOCKET: a connection that can be used only once
    bool xDisplay = false;         ///< DISPLAY: an X server (XWayland) to run on instead
};

using Getenv = std::function<const char*(const char*)>;

/// Reads the facts as Qt reads them when it picks its window system.
SessionFacts readSessionFacts(int argc, const char* const* argv, const Getenv& getenv);

/// Whether the Wayland compositor at socket (nullptr: the session's) offers to draw its
/// clients' window frames. False when libwayland-client is missing, no compositor is there or
/// none answers within limit.
bool compositorDrawsFrames(const char* socket, std::chrono::milliseconds limit);

/// Whether the window should go to XWayland: a Wayland session whose compositor leaves window
/// frames to its clients, an X server to go to, and no choice of the user's. The compositor is
/// asked only then.
bool preferXWayland(const SessionFacts& facts, const std::function<bool()>& compositorDrawsFrames);

/// QApplication's command line: the program's own, with "-platform xcb;wayland" in front where
/// the window goes to XWayland (Qt takes Wayland if the X server cannot be reached). An argument
/// rather than QT_QPA_PLATFORM, so that programs started from the calculator (the web link's
/// browser) keep their own choice.
class PlatformArguments {
public:
    /// Decides for this process's session.
    PlatformArguments(int argc, char** argv);
    PlatformArguments(int argc, char** argv, bool xwayland);
    PlatformArguments(const PlatformArguments&) = delete;
    PlatformArguments& operator=(const PlatformArguments&) = delete;

    // QApplication keeps a reference to argc: this object must outlive it.
    int& argc() { return m_argc; }
    char** argv() { return m_argv.data(); }

private:
    int m_argc = 0;
    std::vector<char*> m_argv;
};

} // namespace varnik
