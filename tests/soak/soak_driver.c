// SPDX-License-Identifier: MIT
// Input driver of the soak test: plays a plan of pointer and key actions into one window
// through the XTEST extension, far faster than one tool process per command.
//
//     soak_driver WINDOW-ID < plan        (DISPLAY names the X server)
//
// Plan lines, in window pixels:
//     m X Y            move the pointer
//     c X Y            move, then click the left button
//     d X Y            move, then double-click (two clicks at once, well within 100 ms)
//     g X1 Y1 X2 Y2    drag: press at the first point, release at the second
//     k KEY            a key by its X name (Tab, space, KP_Add, Return, v …), "BackTab" for
//                      Shift+Tab, and "ctrl+" or "shift+" in front for those held with it
//     s [MS]           wait until the program has handled everything so far (and MS
//                      milliseconds more for a message box); close any message box it
//                      opened and give the window the focus back
//     b                as s, for a key that opens a message box: it must open
//     r                as s, then check the window holds the focus alone and answer
//                      "ok events=N actions=N boxes=N" on stdout
// The first failure ends the driver with "fail line L: reason" on stdout and status 1.
//
// "The program has handled it" is learned from the program itself: it answers the window
// manager's ping (_NET_WM_PING) in turn with the input before it. Two pings in a row, since
// the toolkit delivers input one round of its event loop after reading it. The driver never
// sends a key while the program may still be opening a box: keys follow the input focus,
// which the box takes.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <poll.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum {
    answerLimitMs = 10000,
    boxLimitMs = 5000,
    maxWindows = 16
};
// Qt joins two presses into a double-click within 400 ms and 5 pixels.
enum {
    doubleClickMs = 400,
    doubleClickPixels = 5
};

static Display* display;
static Window root, target;
static int originX, originY;
static Atom wmProtocols, netWmPing;
static long lineNumber;
static unsigned long events, actions, boxes, pingSerial;

// Top-level windows mapped since the last check, other than the target.
static Window mapped[maxWindows];
static int mappedCount;

// The last press of the left button: screen position and time.
static int lastPressX = -1000, lastPressY = -1000;
static double lastPressMs = -1e9;

static void fail(const char* format, ...) {
    printf("fail line %ld (after %lu events): ", lineNumber, events);
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
    fflush(stdout);
    exit(1);
}

// A window that closed before the driver asked about it is no error; anything else is.
static int onXError(Display* errorDisplay, XErrorEvent* error) {
    if (error->error_code == BadWindow) {
        return 0;
    }
    char text[128];
    XGetErrorText(errorDisplay, error->error_code, text, sizeof text);
    fail("X error: %s (request %d)", text, error->request_code);
    return 0;
}

static double nowMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static void sleepMs(double ms) {
    if (ms <= 0) {
        return;
    }
    struct timespec pause;
    pause.tv_sec = (time_t)(ms / 1000);
    pause.tv_nsec = (long)((ms - pause.tv_sec * 1000.0) * 1e6);
    nanosleep(&pause, NULL);
}

static void forget(Window window) {
    for (int i = 0; i < mappedCount; ++i) {
        if (mapped[i] == window) {
            mapped[i] = mapped[--mappedCount];
            return;
        }
    }
}

// Keeps the list of mapped top-levels; returns 1 for the answer to ping `serial`.
static int handleEvent(const XEvent* event, unsigned long serial) {
    switch (event->type) {
    case MapNotify:
        if (event->xmap.window != target && !event->xmap.override_redirect) {
            forget(event->xmap.window);
            if (mappedCount == maxWindows) {
                fail("more than %d windows opened", maxWindows);
            }
            mapped[mappedCount++] = event->xmap.window;
        }
        return 0;
    case UnmapNotify:
        forget(event->xunmap.window);
        return 0;
    case DestroyNotify:
        if (event->xdestroywindow.window == target) {
            fail("the program's window was destroyed (the program ended?)");
        }
        forget(event->xdestroywindow.window);
        return 0;
    case ClientMessage:
        return event->xclient.message_type == wmProtocols &&
               (Atom)event->xclient.data.l[0] == netWmPing &&
               (unsigned long)event->xclient.data.l[1] == serial;
    default:
        return 0;
    }
}

// Handles events until `done` holds or limitMs passes; returns whether it held.
static int waitFor(int (*done)(const void*), const void* argument, unsigned long serial,
                   int limitMs, int* answered) {
    const double deadline = nowMs() + limitMs;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (handleEvent(&event, serial) && answered) {
                *answered = 1;
            }
        }
        if (done(argument)) {
            return 1;
        }
        const double left = deadline - nowMs();
        if (left <= 0) {
            return 0;
        }
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 1); // a focus change comes with no event to wake us
    }
}

static int isTrue(const void* flag) {
    return *(const int*)flag;
}

static void ping(void) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = wmProtocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)netWmPing;
    event.xclient.data.l[1] = (long)++pingSerial;
    event.xclient.data.l[2] = (long)target;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
    int answered = 0;
    if (!waitFor(isTrue, &answered, pingSerial, answerLimitMs, &answered)) {
        fail("the program did not answer within %d ms", answerLimitMs);
    }
}

static void barrier(void) {
    ping();
    ping();
}

static Window focusedWindow(void) {
    Window focus;
    int revert;
    XGetInputFocus(display, &focus, &revert);
    return focus;
}

static int hasFocus(const void* window) {
    return focusedWindow() == *(const Window*)window;
}

static int isGone(const void* window) {
    for (int i = 0; i < mappedCount; ++i) {
        if (mapped[i] == *(const Window*)window) {
            return 0;
        }
    }
    return 1;
}

enum {
    withShift = 1,
    withControl = 2
};

static void key(KeySym symbol, int modifiers) {
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode code = XKeysymToKeycode(display, symbol);
    if (modifiers & withControl) {
        XTestFakeKeyEvent(display, control, True, CurrentTime);
    }
    if (modifiers & withShift) {
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    }
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (modifiers & withShift) {
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
    }
    if (modifiers & withControl) {
        XTestFakeKeyEvent(display, control, False, CurrentTime);
    }
    XSync(display, False);
    events += 2 + ((modifiers & withShift) ? 2 : 0) + ((modifiers & withControl) ? 2 : 0);
}

// "ctrl+shift+v": the key and the modifiers held with it.
static void namedKey(const char* name) {
    int modifiers = 0;
    for (;;) {
        if (strncmp(name, "ctrl+", 5) == 0) {
            modifiers |= withControl;
            name += 5;
        } else if (strncmp(name, "shift+", 6) == 0) {
            modifiers |= withShift;
            name += 6;
        } else {
            break;
        }
    }
    if (strcmp(name, "BackTab") == 0) {
        key(XK_Tab, modifiers | withShift);
        return;
    }
    const KeySym symbol = XStringToKeysym(name);
    if (symbol == NoSymbol || XKeysymToKeycode(display, symbol) == 0) {
        fail("unknown key %s", name);
    }
    key(symbol, modifiers);
}

// A message box: checks its title, presses Return on it, gives the window the focus back.
static void dismiss(Window box) {
    char* title = NULL;
    XFetchName(display, box, &title);
    const int expected = title && strcmp(title, "Varnik Calculator") == 0;
    if (!expected) {
        fail("an unexpected window 0x%lx titled \"%s\" opened", box, title ? title : "");
    }
    XFree(title);
    if (!waitFor(hasFocus, &box, 0, boxLimitMs, NULL)) {
        fail("message box 0x%lx did not take the input focus", box);
    }
    key(XK_Return, 0);
    if (!waitFor(isGone, &box, 0, boxLimitMs, NULL)) {
        fail("message box 0x%lx stayed open after Return", box);
    }
    ++boxes;
    // There is no window manager to hand the focus back.
    XSetInputFocus(display, target, RevertToParent, CurrentTime);
    barrier();
}

static int boxOpen(const void* unused) {
    (void)unused;
    return mappedCount > 0;
}

// Waits until the program has handled everything sent so far, then closes any message box.
// After a key that may open one, it waits graceMs longer for it: the toolkit can answer a
// ping from an event loop that runs while the box is still being made. An expected box
// must open.
static void settle(int graceMs, int boxExpected) {
    barrier();
    const int limitMs = boxExpected ? boxLimitMs : graceMs;
    if (!waitFor(boxOpen, NULL, 0, limitMs, NULL) && boxExpected) {
        fail("no message box opened within %d ms", limitMs);
    }
    while (mappedCount > 0) {
        dismiss(mapped[0]);
    }
    if (focusedWindow() != target) {
        fail("the window lost the input focus (to 0x%lx)", focusedWindow());
    }
}

static void moveTo(int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), originX + x, originY + y, CurrentTime);
    ++events;
}

static void button(int press) {
    XTestFakeButtonEvent(display, 1, press ? True : False, CurrentTime);
    ++events;
}

// A press that must not join the previous one into a double-click waits long enough.
static void separateFromLastPress(int x, int y) {
    const int near =
        abs(x - lastPressX) <= doubleClickPixels && abs(y - lastPressY) <= doubleClickPixels;
    if (near) {
        sleepMs(lastPressMs + doubleClickMs + 50 - nowMs());
    }
}

static void pressed(int x, int y) {
    lastPressX = x;
    lastPressY = y;
    lastPressMs = nowMs();
}

static void click(int x, int y, int count) {
    separateFromLastPress(x, y);
    moveTo(x, y);
    for (int i = 0; i < count; ++i) {
        button(1);
        button(0);
        XSync(display, False);
    }
    pressed(x, y);
}

static void drag(int x1, int y1, int x2, int y2) {
    separateFromLastPress(x1, y1);
    moveTo(x1, y1);
    button(1);
    XSync(display, False);
    moveTo(x2, y2);
    button(0);
    pressed(x1, y1);
    XSync(display, False);
}

static void run(const char* line) {
    char word[32];
    int x, y, x2, y2;
    if (sscanf(line, "m %d %d", &x, &y) == 2) {
        moveTo(x, y);
        XSync(display, False);
    } else if (sscanf(line, "c %d %d", &x, &y) == 2) {
        click(x, y, 1);
    } else if (sscanf(line, "d %d %d", &x, &y) == 2) {
        click(x, y, 2);
    } else if (sscanf(line, "g %d %d %d %d", &x, &y, &x2, &y2) == 4) {
        drag(x, y, x2, y2);
    } else if (sscanf(line, "k %31s", word) == 1) {
        namedKey(word);
    } else if (sscanf(line, "s %d", &x) == 1) {
        settle(x, 0);
        return;
    } else if (strcmp(line, "s") == 0) {
        settle(0, 0);
        return;
    } else if (strcmp(line, "b") == 0) {
        settle(0, 1);
        return;
    } else if (strcmp(line, "r") == 0) {
        settle(0, 0);
        printf("ok events=%lu actions=%lu boxes=%lu\n", events, actions, boxes);
        fflush(stdout);
        return;
    } else {
        fail("cannot read \"%s\"", line);
    }
    ++actions;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW-ID < plan\n", argv[0]);
        return 2;
    }
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "soak_driver: cannot open display \"%s\"\n", XDisplayName(NULL));
        return 2;
    }
    int eventBase, errorBase, major, minor;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        fprintf(stderr, "soak_driver: the X server has no XTEST extension\n");
        return 2;
    }
    XSetErrorHandler(onXError);
    root = DefaultRootWindow(display);
    target = (Window)strtoul(argv[1], NULL, 0);
    wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    netWmPing = XInternAtom(display, "_NET_WM_PING", False);
    // New top-levels (message boxes) and the ping's answer, which goes to the root window.
    XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);
    Window child;
    XTranslateCoordinates(display, target, root, 0, 0, &originX, &originY, &child);
    settle(0, 0);

    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        ++lineNumber;
        line[strcspn(line, "\n")] = '\0';
        if (line[0] != '\0') {
            run(line);
        }
    }
    XCloseDisplay(display);
    return 0;
}
