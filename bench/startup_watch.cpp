// Starts a program and reports the milliseconds until its window with a given title is mapped
// on the X display, and the program's peak resident size. Usage:
//   startup_watch TITLE PROGRAM [ARGUMENTS...]
// Prints "<milliseconds> <peak resident kilobytes>".

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool HasTitle(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    const bool found = XFetchName(display, window, &name) && name && title == name;
    if (name)
        XFree(name);
    return found;
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
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double milliseconds = -1;
    while (milliseconds < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    usleep(300000); // let the first paint happen before the memory is read
    kill(child, SIGTERM);
    int status;
    rusage usage;
    wait4(child, &status, 0, &usage);
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
