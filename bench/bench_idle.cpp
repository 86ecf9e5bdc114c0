// The tray program at rest: time from start to the first complete device scan, resident
// memory, and the CPU time and wake-ups per second it costs while it sits in the tray with
// the four demo products attached. Runs the real binary (offscreen when there is no display).

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSettleMs = 3000;
constexpr int kSampleMs = 10000;

struct Sample {
    double cpu_seconds = 0;
    long long context_switches = 0;  // voluntary + involuntary, every thread
};

Sample sample(pid_t pid) {
    Sample s;
    const std::string task_dir = "/proc/" + std::to_string(pid) + "/task";
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const auto& task : std::filesystem::directory_iterator(task_dir)) {
        std::ifstream stat(task.path() / "stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        // Fields after the command name (which may hold blanks) start behind ')'.
        std::istringstream rest(text.substr(text.rfind(')') + 2));
        std::string field;
        long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i == 14) utime = std::stoll(field);
            if (i == 15) stime = std::stoll(field);
        }
        s.cpu_seconds += static_cast<double>(utime + stime) / ticks;
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                s.context_switches += std::stoll(line.substr(line.find(':') + 1));
        }
    }
    return s;
}

long resident_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : ILMO_BINARY;
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ILMO_REPORT_STARTUP", "1", 1);
    setenv("ILMO_INSTANCE_NAME", ("ilmo-bench-" + std::to_string(getpid())).c_str(), 1);
    const std::string home = std::filesystem::temp_directory_path() / ("ilmo-bench-" + std::to_string(getpid()));
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);

    int out[2];
    if (pipe(out) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> args{const_cast<char*>(program.c_str()), const_cast<char*>("--demo"),
                            const_cast<char*>("--tray"), nullptr};
    pid_t pid = 0;
    const auto started = Clock::now();
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return 1;
    }
    close(out[1]);
    FILE* child_out = fdopen(out[0], "r");
    char line[256];
    bool ready = false;
    while (std::fgets(line, sizeof line, child_out) != nullptr) {
        if (std::string(line).rfind("first scan done", 0) == 0) {
            ready = true;
            break;
        }
    }
    const double startup_ms =
        std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (!ready) {
        std::fprintf(stderr, "the program ended before its first scan\n");
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
    const Sample before = sample(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(kSampleMs));
    const Sample after = sample(pid);
    const long rss = resident_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(home);

    const double seconds = kSampleMs / 1000.0;
    const double cpu_percent = 100.0 * (after.cpu_seconds - before.cpu_seconds) / seconds;
    const double wakeups = static_cast<double>(after.context_switches - before.context_switches) / seconds;
    std::printf("start to first complete scan (4 demo products): %.0f ms\n", startup_ms);
    std::printf("resident memory after start: %.1f MiB\n", static_cast<double>(rss) / 1024.0);
    std::printf("idle in the tray over %.0f s: CPU %.2f %% of one core, %.1f wake-ups/s\n", seconds,
                cpu_percent, wakeups);
    return 0;
}
