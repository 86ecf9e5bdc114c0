#pragma once
// The command entry of audio capture: command(9963, type, value) with
//   type 0  value is the window that receives the notices from now on,
//   type 1  tell the window capture is starting (notice 4), then start it unless it runs,
//   type 2  tell the window capture is stopping (notice 3), then stop it.
// Any other magic number or type changes nothing. The process uses one instance, through
// CSingleton<CAudioRecorImpl>::instance().

#include <utility>

#include "capture/CAudioManager.h"
#include "capture/CaptureWindow.h"
#include "capture/PlaybackRecorder.h"

namespace ilmo::capture {

inline constexpr int kCommandMagic = 9963;
inline constexpr int kRegisterWindow = 0, kStartCapture = 1, kStopCapture = 2;

class CAudioRecorImpl {
public:
    CAudioRecorImpl() = default;
    explicit CAudioRecorImpl(RecorderOptions options) : manager_(std::move(options)) {}

    // Type 1 waits for the stream at most the recorder's start time-out; without one, capture
    // keeps trying in the background. Type 2 also ends a type 1 waiting on another thread.
    void command(int magic, int type, CaptureWindow* value = nullptr);
    // Whether a stream runs now.
    bool capturing() const { return manager_.capturing(); }
    // Whether the capture thread is alive: a stream runs, or it tries to connect.
    bool running() const { return manager_.running(); }
    // The window the notices go to; null when none is registered.
    const CaptureWindow* registered_window() const { return manager_.window(); }

private:
    CAudioManager manager_;
};

}  // namespace ilmo::capture
