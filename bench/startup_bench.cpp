// Start-up benchmark: runs each program many times, interleaved, on the X
// server in DISPLAY; times exec to the first top-level window being mapped,
// and reads resident memory one second later. Prints median and spread, and
// the ratios of the first program to the second (the floor).
//   startup_bench RUNS NAME=COMMAND NAME=COMMAND
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds;
    long rssKiB;
};

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

Sample runOnce(Display* display, const std::string& command)
{
    XSync(display, True); // drop events of earlier runs
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double milliseconds = -1;
    while (milliseconds < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {milliseconds, rss};
}

template <typename T>
void summary(const char* what, std::vector<T> values, double& median)
{
    std::sort(values.begin(), values.end());
    median = static_cast<double>(values[values.size() / 2]);
    std::printf("  %-10s median %9.1f   min %9.1f   max %9.1f\n", what, median, static_cast<double>(values.front()),
                static_cast<double>(values.back()));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS NAME=COMMAND NAME=COMMAND\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<std::string> names, commands;
    for (int i = 2; i < 4; ++i) {
        const std::string arg = argv[i];
        names.push_back(arg.substr(0, arg.find('=')));
        commands.push_back(arg.substr(arg.find('=') + 1));
    }
    std::vector<std::vector<double>> times(2);
    std::vector<std::vector<long>> memory(2);
    for (int i = 0; i < 2; ++i)
        runOnce(display, commands[i]); // warm the caches
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            const Sample s = runOnce(display, commands[(i + run) % 2 == 0 ? 0 : 1]);
            const int who = (i + run) % 2 == 0 ? 0 : 1;
            times[who].push_back(s.milliseconds);
            memory[who].push_back(s.rssKiB);
        }
    }
    double medianTime[2], medianMemory[2];
    for (int i = 0; i < 2; ++i) {
        std::printf("%s (%d runs)\n", names[i].c_str(), runs);
        summary("start ms", times[i], medianTime[i]);
        summary("RSS KiB", memory[i], medianMemory[i]);
    }
    std::printf("%s / %s: start-up %.3f, memory %.3f\n", names[0].c_str(), names[1].c_str(),
                medianTime[0] / medianTime[1], medianMemory[0] / medianMemory[1]);
    XCloseDisplay(display);
    return 0;
}
