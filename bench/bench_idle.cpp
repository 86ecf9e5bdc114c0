// The tray program at rest with the four demo products attached, run twice: with its window
// shown and started hidden in the tray (--tray; where the desktop has no tray, as offscreen,
// that start minimises the window). Each run prints the time from start to the first complete
// device scan, the resident memory, the lighting modes the keyboard and the pad run (their
// factory profiles animate, so the pages' previews have work while they are seen), and the
// CPU time and wake-ups per second over 10 s. Goal while hidden: under 0.5 % of a core and
// under 100 wake-ups a second. Then the same with synchronised lighting on the four products
// (ILMO_DEMO_SYNC), shown and hidden, and the wake-ups of the sync worker alone; with no
// device taking part that worker should wake about once a second. Runs the real binary
// (offscreen when there is no display).

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <json/json.h>

#include "audio_real/PrivatePulseDaemon.h"
#include "capture/ToneSource.h"
#include "device/DeviceTables.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSettleMs = 3000;
constexpr int kSampleMs = 10000;
constexpr double kHiddenCpuGoalPercent = 0.5;
constexpr double kHiddenWakeupsGoal = 100;
constexpr double kMusicCpuGoalPercent = 3;
constexpr const char* kSpeakers = "speakers";
// The pulsing tone sounds and pauses this long in turn.
constexpr int kBeatPulseMs = 60;

// The name the program gives its synchronised lighting worker.
constexpr const char* kSyncThreadName = "sync lighting";

struct Sample {
    double cpu_seconds = 0;          // user + system, the process with its ended threads
    long long context_switches = 0;  // voluntary + involuntary, every living thread
    long long sync_switches = 0;     // the same, of the sync worker alone
};

// Voluntary + involuntary context switches of one thread.
long long switches_of(const std::filesystem::path& task) {
    std::ifstream status(task / "status");
    std::string line;
    long long switches = 0;
    while (std::getline(status, line)) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
            line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
            switches += std::stoll(line.substr(line.find(':') + 1));
    }
    return switches;
}

// utime + stime of a /proc stat file, in seconds.
double cpu_seconds(const std::filesystem::path& stat_file) {
    std::ifstream stat(stat_file);
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    // Fields after the command name (which may hold blanks) start behind ')'.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::stoll(field);
        if (i == 15) stime = std::stoll(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

Sample sample(pid_t pid) {
    const std::filesystem::path process = "/proc/" + std::to_string(pid);
    Sample s;
    s.cpu_seconds = cpu_seconds(process / "stat");
    for (const auto& task : std::filesystem::directory_iterator(process / "task")) {
        const long long switches = switches_of(task.path());
        s.context_switches += switches;
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name == kSyncThreadName) s.sync_switches += switches;
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

// "SelectItem" of the lighting section of the profile the program keeps in `device_folder`
// (the keyboard's was read from the device, the pad's comes from its defaults); -1 when there
// is none.
int profile_mode(const std::filesystem::path& device_folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(device_folder, error)) {
        if (entry.path().extension() != ".Json") continue;
        std::ifstream file(entry.path());
        Json::Value document;
        if (Json::Reader().parse(file, document))
            return document["Device"][0]["LightInfo"].get("SelectItem", -1).asInt();
    }
    return -1;
}

struct Run {
    double startup_ms = 0;
    long rss_kib = 0;
    double cpu_percent = 0;
    double wakeups_per_s = 0;
    double sync_wakeups_per_s = 0;
    int sync_devices = 0;
    int keyboard_mode = -1;
    int pad_mode = -1;
};

// The folder the program keeps the profiles of the page serving `kind` in.
std::filesystem::path profile_folder(const std::string& data_home, ilmo::device::DeviceKind kind) {
    using namespace ilmo::device;
    for (int row = 0; row < kPageCount; ++row) {
        if (kDeviceOptions[static_cast<size_t>(row)].kind == kind)
            return std::filesystem::path(data_home) / "ILMO RQ07" / device_folder_name(row);
    }
    return {};
}

// Starts the program with its output on a pipe; nullptr when it did not start.
FILE* start_program(const std::string& program, bool in_tray, pid_t& pid) {
    int out[2];
    if (pipe(out) != 0) return nullptr;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> args{const_cast<char*>(program.c_str()), const_cast<char*>("--demo")};
    if (in_tray) args.push_back(const_cast<char*>("--tray"));
    args.push_back(nullptr);
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return nullptr;
    }
    return fdopen(out[0], "r");
}

// Reads the program's output until a line starts with `start`; that line, or nothing when
// the program ended first.
std::optional<std::string> wait_for_line(FILE* output, const std::string& start) {
    char line[256];
    while (std::fgets(line, sizeof line, output) != nullptr) {
        if (std::string(line).rfind(start, 0) == 0) return line;
    }
    std::fprintf(stderr, "the program ended before it printed \"%s\"\n", start.c_str());
    return std::nullopt;
}

// CPU and wake-ups over the sample time, after the program has settled.
void sample_rest(pid_t pid, Run& run) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
    const Sample before = sample(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(kSampleMs));
    const Sample after = sample(pid);
    run.rss_kib = resident_kib(pid);
    const double seconds = kSampleMs / 1000.0;
    run.cpu_percent = 100.0 * (after.cpu_seconds - before.cpu_seconds) / seconds;
    run.wakeups_per_s =
        static_cast<double>(after.context_switches - before.context_switches) / seconds;
    run.sync_wakeups_per_s =
        static_cast<double>(after.sync_switches - before.sync_switches) / seconds;
}

// One run of the program with user folders of its own; false when it did not get through
// its first scan (or, with `sync`, did not start synchronised lighting).
bool measure(const std::string& program, bool in_tray, const char* label, Run& run,
             bool sync = false) {
    const std::string name = "ilmo-bench-" + std::to_string(getpid()) + "-" + label;
    setenv("ILMO_INSTANCE_NAME", name.c_str(), 1);
    const std::string home = std::filesystem::temp_directory_path() / name;
    const std::string data_home = home + "/data";
    setenv("XDG_DATA_HOME", data_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);

    pid_t pid = 0;
    const auto started = Clock::now();
    FILE* output = start_program(program, in_tray, pid);
    if (output == nullptr) return false;
    bool ready = wait_for_line(output, "first scan done").has_value();
    run.startup_ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (ready && sync) {
        const std::optional<std::string> line = wait_for_line(output, "sync on ");
        ready = line.has_value();
        if (ready) run.sync_devices = std::atoi(line->c_str() + std::strlen("sync on "));
    }
    if (ready) {
        sample_rest(pid, run);
        run.keyboard_mode =
            profile_mode(profile_folder(data_home, ilmo::device::DeviceKind::Keyboard));
        run.pad_mode = profile_mode(profile_folder(data_home, ilmo::device::DeviceKind::MousePad));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::fclose(output);
    std::filesystem::remove_all(home);
    return ready;
}

void print_run(const char* state, const Run& run, const char* verdict) {
    std::printf(
        "%-12s | first scan %4.0f ms | %5.1f MiB | keyboard mode %d, pad mode %d"
        " | CPU %5.2f %% of a core, %7.1f wake-ups/s (sync worker %5.1f/s, %d devices) | %s\n",
        state, run.startup_ms, static_cast<double>(run.rss_kib) / 1024.0, run.keyboard_mode,
        run.pad_mode, run.cpu_percent, run.wakeups_per_s, run.sync_wakeups_per_s,
        run.sync_devices, verdict);
}

// Capture streams the sound server has open; -1 when it cannot be asked.
int capture_streams(const std::string& server) {
    const std::string command =
        "pactl --server='" + server + "' list short source-outputs 2>/dev/null";
    FILE* list = popen(command.c_str(), "r");
    if (list == nullptr) return -1;
    int streams = 0;
    char line[512];
    while (std::fgets(line, sizeof line, list) != nullptr) ++streams;
    return pclose(list) == 0 ? streams : -1;
}

// What the default output plays during a run.
enum class Sound { Silence, Tone, Beat };

// One hidden run against the private sound server with the keyboard starting in `mode` and
// `sound` in the default output; `streams` gets the capture streams the server had open
// halfway through the sample time.
bool measure_hidden_in_mode(const std::string& program, const std::string& server, int mode,
                            Sound sound, const char* label, Run& run, int& streams) {
    setenv("ILMO_DEMO_KEYBOARD_MODE", std::to_string(mode).c_str(), 1);
    std::optional<ilmo::capture::testing::ToneSource> playing;
    if (sound != Sound::Silence)
        playing.emplace(server, kSpeakers, 440, sound == Sound::Beat ? kBeatPulseMs : 0);
    std::thread count([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs + kSampleMs / 2));
        streams = capture_streams(server);
    });
    const bool measured = measure(program, true, label, run);
    count.join();
    unsetenv("ILMO_DEMO_KEYBOARD_MODE");
    return measured;
}

// The program hidden in the music mode against a private sound server whose default output
// is a plain null sink: silent, with a steady tone (which, the bands being the changes between
// notices, draws little after its start), and with the tone pulsing (the picture changes at
// nearly every step, as with music); and, to tell the costs apart, in the host colour mode
// (30), whose frames are made the same way without any music. False when a run failed.
bool measure_music(const std::string& program) {
    ilmo::audio::testing::PrivatePulseDaemon daemon;
    if (!daemon.start()) {
        std::fprintf(stderr, "no private sound server: %s\n", daemon.why().c_str());
        return false;
    }
    const std::string pactl = "pactl --server='" + daemon.server() + "' ";
    const std::string speakers = pactl + "load-module module-null-sink sink_name=" + kSpeakers +
                                 " >/dev/null && " + pactl + "set-default-sink " + kSpeakers;
    if (std::system(speakers.c_str()) != 0) return false;
    setenv("PULSE_SERVER", daemon.server().c_str(), 1);
    struct MusicRun {
        const char* label;
        int mode;
        Sound sound;
        Run run;
        int streams = -1;
    };
    MusicRun runs[] = {{"host colour", 30, Sound::Silence, {}},
                       {"music silent", 21, Sound::Silence, {}},
                       {"music tone", 21, Sound::Tone, {}},
                       {"music beat", 21, Sound::Beat, {}}};
    bool measured = true;
    for (MusicRun& r : runs) {
        measured = measured && measure_hidden_in_mode(program, daemon.server(), r.mode, r.sound,
                                                      r.label, r.run, r.streams);
    }
    unsetenv("PULSE_SERVER");
    if (!measured) return false;
    for (const MusicRun& r : runs) {
        const bool goal = r.sound != Sound::Silence;
        const bool met = r.run.cpu_percent < kMusicCpuGoalPercent;
        print_run(r.label, r.run, goal ? (met ? "goal met" : "goal missed") : "no goal");
        std::printf("             | capture streams on the server: %d\n", r.streams);
        if (goal)
            std::printf("             | ratio to the %.0f %% goal: %.2f\n", kMusicCpuGoalPercent,
                        r.run.cpu_percent / kMusicCpuGoalPercent);
    }
    return true;
}

// Synchronised lighting on the four products, shown and hidden. With none taking part (the
// runs above) the sync worker's goal is about one wake-up a second.
bool measure_sync(const std::string& program) {
    setenv("ILMO_DEMO_SYNC", "1", 1);
    Run shown;
    Run hidden;
    const bool measured = measure(program, false, "sync-shown", shown, true) &&
                          measure(program, true, "sync-tray", hidden, true);
    unsetenv("ILMO_DEMO_SYNC");
    if (!measured) return false;
    print_run("sync shown", shown, "no goal");
    print_run("sync hidden", hidden, "no goal");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : ILMO_BINARY;
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ILMO_REPORT_STARTUP", "1", 1);
    std::printf(
        "the demo's four products over %d s; goal hidden: CPU < %.1f %%, < %.0f wake-ups/s\n",
        kSampleMs / 1000, kHiddenCpuGoalPercent, kHiddenWakeupsGoal);
    Run shown;
    Run hidden;
    if (!measure(program, false, "shown", shown) || !measure(program, true, "tray", hidden))
        return 1;
    print_run("shown", shown, "no goal");
    const bool met =
        hidden.cpu_percent < kHiddenCpuGoalPercent && hidden.wakeups_per_s < kHiddenWakeupsGoal;
    print_run("hidden", hidden, met ? "goal met" : "goal missed");
    if (!measure_sync(program)) return 1;
    std::printf("the music mode hidden over %d s; goal with sound: CPU < %.0f %%\n",
                kSampleMs / 1000, kMusicCpuGoalPercent);
    return measure_music(program) ? 0 : 1;
}
