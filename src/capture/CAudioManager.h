#pragma once
// The capture listener of the application: owns the recorder, turns the captured samples
// into frequency levels and sends them to the registered window, and keeps capture going
// after a failure, a start that found no sound server, or a change of the default output,
// until it is stopped.

#include <atomic>
#include <mutex>

#include "capture/BlockCollector.h"
#include "capture/CaptureWindow.h"
#include "capture/FrequencyAnalyser.h"
#include "capture/PlaybackCaptureEvent.h"
#include "capture/PlaybackRecorder.h"

namespace ilmo::capture {

class CAudioManager final : public IPlaybackCaptureEvent {
public:
    explicit CAudioManager(RecorderOptions options = {});
    ~CAudioManager() override;
    CAudioManager(const CAudioManager&) = delete;
    CAudioManager& operator=(const CAudioManager&) = delete;

    // The window that receives the notices from now on; null for none. Once this returns,
    // the previous window gets no more calls.
    void set_window(CaptureWindow* window);
    const CaptureWindow* window() const;
    // Hands a notice to the registered window, if any.
    void notify(CopyData notice);

    // Starts capture unless it runs; whether a stream runs afterwards. When none does, the
    // recorder keeps trying in the background until stop_capture().
    bool start_capture();
    // Ends capture, a start in progress included; no listener call comes after this returns.
    void stop_capture();
    // Whether a stream runs now.
    bool capturing() const { return recorder_.streaming(); }
    bool running() const { return recorder_.running(); }

    void started(int period_ms) override;
    void stopped() override;
    void format(const CaptureFormat& record) override;
    void data(std::vector<uint8_t> bytes) override;
    bool failed_or_changed() override;

private:
    mutable std::mutex window_mutex_;  // held while a notice is handed over
    CaptureWindow* window_ = nullptr;
    std::atomic<bool> wanted_{false};
    // Touched only on the capture thread, or while no capture thread runs.
    BlockCollector collector_;
    FrequencyAnalyser analyser_;
    CaptureFormat format_;
    // Last, so it is destroyed first: its thread is joined while the rest still exists.
    PlaybackRecorder recorder_;
};

}  // namespace ilmo::capture
