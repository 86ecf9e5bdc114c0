#pragma once
// The state behind the library's entry points: the headset's endpoints as last listed, and
// the property calls routed to the mixer (capture) or the sound server (playback). Every
// entry point takes one lock, so the host may call from any thread. Equaliser changes still
// waiting are put in place at ConfLibUnInit and when the library ends with the process
// (hosts exit without ConfLibUnInit).

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "audio/ConfLibApi.h"
#include "audio/real/CaptureEndpoint.h"
#include "audio/real/HeadsetEqualiser.h"

namespace ilmo::audio {

class ConfLibrary {
public:
    // `asound_folder` is ALSA's proc folder ("/proc/asound"); `timeout_ms` bounds each call
    // to the sound server.
    ConfLibrary(std::string asound_folder, int timeout_ms);

    int32_t init();
    int32_t uninit();
    int32_t create_device_list();
    int32_t device_count(int32_t flow, int32_t* count);
    int32_t device_by_id(int32_t flow, int32_t index, ConfLibDevice* device);
    int32_t property_control(const ConfLibDevice& device, const wchar_t* name, void* value,
                             const void* second, int32_t set);

private:
    const std::optional<ConfLibDevice>& endpoint(int32_t flow) const;
    bool listed(const ConfLibDevice& device) const;
    PropertyResult playback_control(const PropertyRequest& request, void* value, bool set);
    PropertyResult feature_list(void* value, bool set) const;

    std::mutex mutex_;
    const std::string asound_folder_;
    const int timeout_ms_;
    std::optional<ConfLibDevice> playback_;
    std::optional<ConfLibDevice> capture_;
    std::unique_ptr<CaptureEndpoint> capture_endpoint_;
    HeadsetEqualiser equaliser_;
    bool equaliser_available_ = false;
};

}  // namespace ilmo::audio
