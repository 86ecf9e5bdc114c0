#include "capture/CAudioRecorImpl.h"

namespace ilmo::capture {

void CAudioRecorImpl::command(int magic, int type, CaptureWindow* value) {
    if (magic != kCommandMagic) return;
    switch (type) {
        case kRegisterWindow:
            manager_.set_window(value);
            break;
        case kStartCapture:
            manager_.notify({kStartingNotice, kLevelsBytes, {}});
            manager_.start_capture();
            break;
        case kStopCapture:
            manager_.notify({kStoppingNotice, kLevelsBytes, {}});
            manager_.stop_capture();
            break;
        default:
            break;
    }
}

}  // namespace ilmo::capture
