#pragma once
// "music listen": the sound the computer plays, as the keyboard's music lighting hears it.
// Capture runs through the process's command entry with a window of the tool's own; each
// levels notice goes through the band step as if one keyboard were connected, and every set
// of 25 band values the keyboard would be handed is printed.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "Output.h"
#include "capture/CaptureWindow.h"
#include "lighting/AudioBands.h"

namespace ilmo::ctl {

inline constexpr int kDefaultListenSeconds = 5;
inline constexpr int kMaxListenSeconds = 600;

struct MusicListen {
    int seconds = kDefaultListenSeconds;
};

// The window capture hands its notices to. They wait, by value, for the tool's thread: the
// capture thread only queues them.
class ListenWindow final : public capture::CaptureWindow {
public:
    void copy_data(capture::CopyData notice) override;
    // The notices that came, waiting for the first until `deadline`.
    std::vector<capture::CopyData> take_until(std::chrono::steady_clock::time_point deadline);

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<capture::CopyData> notices_;
};

// The main window's way from notices to a keyboard's bands, with one keyboard connected.
class KeyboardBandListener {
public:
    // The bands the keyboard is handed at this notice; nothing for the notices in between
    // and for anything that is not a well-formed levels notice.
    std::optional<lighting::KeyboardBands> take(const capture::CopyData& notice);
    int notices() const { return notices_; }
    int sets() const { return sets_; }

private:
    lighting::BandStep step_;
    int notices_ = 0;
    int sets_ = 0;
};

// One handed-over set: text "set N |bars| peak V" (a bar per band, louder darker), or one
// JSON object {"set":N,"bands":[...]} on a line.
std::string format_band_set(int set, const lighting::KeyboardBands& bands, bool json);

// Exit status 1 when capture does not start (no sound server, or nothing to record).
int run_music_listen(const MusicListen& listen, const Output& output);

}  // namespace ilmo::ctl
