// SPDX-License-Identifier: MIT
// Start-up as a user sees it, measured from outside the programs: from the
// moment a program is started (posix_spawn, which execs it) to the moment the
// X server maps its first window, for two or more programs started in turn on
// one X server, round after round, so that both meet the same load. It knows
// nothing of Qt and asks nothing of the programs: it listens to the X server
// (SubstructureNotify on the root window) and ends each program once its
// window is mapped.
//
//   stereometry_mapped_window_bench ROUNDS PROGRAM [PROGRAM...]
//
// Prints each program's median, quartiles and fastest start in milliseconds,
// and the ratio of each median to the last program's (the plain widget tree,
// as bench/startup_mapped.sh runs it).

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Server {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

bool listen(Server& server) {
    int screenNumber = 0;
    server.connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(server.connection)) return false;
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(server.connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screen);
    server.root = screen.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(server.connection, server.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(server.connection);
    return true;
}

// Events left over from the program before (its window unmapped and destroyed).
void drain(Server& server) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(server.connection)) std::free(event);
}

// Starts the program and waits for the first window mapped on the root after
// that, as the window manager or the user would see it; -1 where none comes
// within `timeoutMs` or the program cannot start.
double startToMapped(Server& server, const std::string& program, double timeoutMs) {
    drain(server);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const double started = nowMs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(spawned));
        return -1;
    }
    double mapped = -1;
    const int socket = xcb_get_file_descriptor(server.connection);
    while (mapped < 0 && nowMs() - started < timeoutMs) {
        xcb_generic_event_t* event = xcb_poll_for_event(server.connection);
        if (!event) {
            fd_set read;
            FD_ZERO(&read);
            FD_SET(socket, &read);
            timeval wait{0, 2000};
            select(socket + 1, &read, nullptr, nullptr, &wait);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == server.root && !map->override_redirect) mapped = nowMs() - started;
        }
        std::free(event);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return mapped;
}

double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * double(values.size() - 1);
    const std::size_t below = std::size_t(at);
    const double above = below + 1 < values.size() ? values[below + 1] : values[below];
    return values[below] + (at - double(below)) * (above - values[below]);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::string> programs(argv + 2, argv + argc);
    Server server;
    if (!listen(server)) {
        std::fprintf(stderr, "no X server at DISPLAY\n");
        return 2;
    }
    // One start of each first, unmeasured: the files in the page cache.
    for (const std::string& program : programs)
        if (startToMapped(server, program, 10000) < 0) return 1;
    std::vector<std::vector<double>> times(programs.size());
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < programs.size(); ++i) {
            // Turn about: the first program first in even rounds, last in odd ones.
            const std::size_t which = round % 2 == 0 ? i : programs.size() - 1 - i;
            const double ms = startToMapped(server, programs[which], 10000);
            if (ms < 0) {
                std::fprintf(stderr, "%s mapped no window\n", programs[which].c_str());
                return 1;
            }
            times[which].push_back(ms);
        }
    const double reference = quantile(times.back(), 0.5);
    std::printf("%-60s %9s %9s %9s %9s %7s\n", "program (exec to its first window mapped)", "median", "q1", "q3",
                "fastest", "ratio");
    for (std::size_t i = 0; i < programs.size(); ++i)
        std::printf("%-60s %7.1f ms %7.1f ms %7.1f ms %7.1f ms %6.3fx\n", programs[i].c_str(), quantile(times[i], 0.5),
                    quantile(times[i], 0.25), quantile(times[i], 0.75), quantile(times[i], 0.0),
                    quantile(times[i], 0.5) / reference);
    xcb_disconnect(server.connection);
    return 0;
}
