// SPDX-License-Identifier: MIT
// Start-up of the calculator against a bare Qt window of the same size (and
// that window with one label, the floor for a window with text, and with the
// calculator's controls made plainly, the floor for its widget tree), side by
// side in one run: the time from starting the process to its first painted
// frame, and the peak memory (VmHWM at that frame, and ru_maxrss of the whole
// run). The probes are started in turn, N times each after a warm-up, and the
// medians compared.
//
//   stereometry_startup_bench [runs]      (default 31; QT_QPA_PLATFORM is passed on,
//                                          offscreen when unset)

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

std::string directoryOfThisProgram() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string text(path, std::size_t(n));
    return text.substr(0, text.rfind('/'));
}

struct Run {
    double appMs = 0;      // process start to the application made
    double builtMs = 0;    // process start to the window built
    double startupMs = 0;  // process start to first painted frame
    double hwmMiB = 0;     // peak resident memory at that frame
    double maxrssMiB = 0;  // peak resident memory of the whole run (to its exit)
    int width = 0, height = 0;
};

// Starts the probe, reads what it prints, waits for it to end.
bool runOnce(const std::string& probe, Run& run) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(probe.c_str()), nullptr};

    const long long started = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", probe.c_str(), std::strerror(spawned));
        return false;
    }
    std::string printed;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) printed.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", probe.c_str(), status);
        return false;
    }

    std::map<std::string, long long> values;
    char key[32];
    long long value = 0;
    for (const char* line = printed.c_str(); std::sscanf(line, "%31s %lld", key, &value) == 2;) {
        values[key] = value;
        line = std::strchr(line, '\n');
        if (!line) break;
        ++line;
    }
    if (!values.count("frame_ns")) {
        std::fprintf(stderr, "%s printed no frame\n", probe.c_str());
        return false;
    }
    run.appMs = double(values["app_ns"] - started) / 1e6;
    run.builtMs = double(values["built_ns"] - started) / 1e6;
    run.startupMs = double(values["frame_ns"] - started) / 1e6;
    run.hwmMiB = double(values["hwm_kib"]) / 1024.0;
    run.maxrssMiB = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    run.width = int(values["width"]);
    run.height = int(values["height"]);
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double appMs, builtMs, startupMs, hwmMiB, maxrssMiB;
    int width, height;
};

Summary summarise(const std::vector<Run>& runs) {
    std::vector<double> app, built, startup, hwm, maxrss;
    for (const Run& run : runs) {
        app.push_back(run.appMs);
        built.push_back(run.builtMs);
        startup.push_back(run.startupMs);
        hwm.push_back(run.hwmMiB);
        maxrss.push_back(run.maxrssMiB);
    }
    return {median(app), median(built), median(startup), median(hwm), median(maxrss), runs.front().width, runs.front().height};
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    constexpr int warmUp = 3;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {  // Qt warns at every start without one
        const std::string runtime = "/tmp/runtime-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }

    const std::string here = directoryOfThisProgram();
    struct Probe {
        const char* name;
        std::string path;
        std::vector<Run> runs;
    };
    std::vector<Probe> probes = {
        {"calculator", here + "/stereometry_startup_probe", {}},
        {"bare Qt window", here + "/bare_window_startup_probe", {}},
        {"window + 1 label", here + "/labelled_window_startup_probe", {}},
        {"plain controls", here + "/plain_controls_startup_probe", {}},
    };

    for (int i = 0; i < warmUp + runs; ++i) {
        // Rotate which starts first, so that none always follows another.
        for (std::size_t k = 0; k < probes.size(); ++k) {
            Probe& probe = probes[(k + std::size_t(i)) % probes.size()];
            Run run;
            if (!runOnce(probe.path, run)) return 1;
            if (i >= warmUp) probe.runs.push_back(run);
        }
    }

    std::printf("platform %s, %d runs each (after %d warm-up runs), medians\n", std::getenv("QT_QPA_PLATFORM"),
                runs, warmUp);
    std::printf("%-18s %12s %12s %12s %15s %17s\n", "", "application", "window built", "first frame",
                "VmHWM at frame", "ru_maxrss (exit)");
    std::vector<Summary> summaries;
    for (const Probe& probe : probes) {
        const Summary s = summarise(probe.runs);
        summaries.push_back(s);
        std::printf("%-18s %9.1f ms %9.1f ms %9.1f ms %11.1f MiB %13.1f MiB   (%dx%d)\n", probe.name, s.appMs,
                    s.builtMs, s.startupMs, s.hwmMiB, s.maxrssMiB, s.width, s.height);
    }
    const Summary& c = summaries[0];
    const Summary& bare = summaries[1];
    const Summary& labelled = summaries[2];
    const Summary& plain = summaries[3];
    const double ratio = c.startupMs / bare.startupMs;
    const double extraHwm = c.hwmMiB - bare.hwmMiB;
    const double extraMaxrss = c.maxrssMiB - bare.maxrssMiB;
    std::printf("start-up: calculator / bare window %.2f (goal at most 1.20: %s); "
                "calculator / window with 1 label %.2f\n",
                ratio, ratio <= 1.2 ? "met" : "NOT met", c.startupMs / labelled.startupMs);
    std::printf("start-up: calculator / the same controls made plainly %.2f\n", c.startupMs / plain.startupMs);
    std::printf("peak memory: calculator - bare window %+.1f MiB at the frame, %+.1f MiB to exit "
                "(goal at most +8 MiB: %s); calculator - window with 1 label %+.1f MiB at the frame\n",
                extraHwm, extraMaxrss, std::max(extraHwm, extraMaxrss) <= 8.0 ? "met" : "NOT met",
                c.hwmMiB - labelled.hwmMiB);
    return 0;
}
