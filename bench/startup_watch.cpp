// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and reports the milliseconds until its window with a given title is mapped
// on the X display, and the program's peak resident size. Usage:
//   startup_watch TITLE PROGRAM [ARGUMENTS...]
// Prints "<milliseconds> <peak resident kilobytes>". Works with or without a window manager
// (a manager maps the program's window inside a frame of its own), and always ends the program
// it started: after the measurement, after a time-out, or when the watch itself is ended.

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int TimeoutSeconds = 60;

// Windows come and go while they are looked at (a splash window closes at any moment); an
// error about a window that has vanished is no reason to stop.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

bool HasTitle(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    const bool found = XFetchName(display, window, &name) && name && title == name;
    if (name)
        XFree(name);
    return found;
}

// Waits for the next event; false when none came within the time left.
bool NextEvent(Display* display, XEvent& event, std::chrono::steady_clock::time_point deadline) {
    while (!XPending(display)) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return false;
        const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        timeval wait{static_cast<time_t>(micro / 1000000),
                     static_cast<suseconds_t>(micro % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait);
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // ends with the watch, however the watch ends
        if (getppid() != parent)
            _exit(127);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(TimeoutSeconds);
    double milliseconds = -1;
    XEvent event;
    while (milliseconds < 0 && NextEvent(display, event, deadline)) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Under a window manager the program's window is mapped after it has been moved
            // into a frame; its own map notice still comes to whoever watches its structure.
            XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
        } else if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    if (milliseconds >= 0)
        usleep(300000); // let the first paint happen before the memory is read
    kill(child, SIGTERM);
    int status;
    rusage usage;
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (milliseconds < 0) {
        std::fprintf(stderr, "no window titled '%s' within %d s\n", argv[1], TimeoutSeconds);
        return 1;
    }
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
