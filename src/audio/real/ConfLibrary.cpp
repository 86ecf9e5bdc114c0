#include "audio/real/ConfLibrary.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "audio/real/AlsaMixer.h"
#include "audio/real/FeatureList.h"
#include "audio/real/PropertyBuffer.h"
#include "audio/real/PulseSession.h"
#include "audio/real/UsbIdentity.h"

namespace ilmo::audio {
namespace {

constexpr int32_t kPlaybackId = 1;
constexpr int32_t kCaptureId = 2;
constexpr int32_t kNoCard = -1;
constexpr int32_t kListFailed = 1;

// The equaliser's plugin where the sound server looks for LADSPA plugins.
bool equaliser_plugin_installed() {
    std::string folders = "/usr/lib/ladspa:/usr/local/lib/ladspa:/usr/lib/x86_64-linux-gnu/ladspa";
    if (const char* own = std::getenv("LADSPA_PATH")) folders = std::string(own) + ":" + folders;
    std::string_view rest = folders;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const auto folder = rest.substr(0, colon);
        std::error_code error;
        if (!folder.empty() &&
            std::filesystem::exists(std::filesystem::path(folder) / "caps.so", error)) {
            return true;
        }
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return false;
}

bool is_capture_property(Property property) {
    return property >= Property::MaxVolume && property <= Property::MonitorMute;
}

}  // namespace

ConfLibrary::ConfLibrary(std::string asound_folder, int timeout_ms)
    : asound_folder_(std::move(asound_folder)), timeout_ms_(timeout_ms), equaliser_(timeout_ms) {}

int32_t ConfLibrary::init() {
    std::lock_guard lock(mutex_);
    std::error_code error;
    if (std::filesystem::is_directory(asound_folder_, error)) return 0;
    return PulseSession::connect(timeout_ms_) ? 0 : to_int(PropertyResult::Failed);
}

int32_t ConfLibrary::uninit() {
    std::lock_guard lock(mutex_);
    equaliser_.flush();
    playback_.reset();
    capture_.reset();
    capture_endpoint_.reset();
    equaliser_available_ = false;
    return 0;
}

int32_t ConfLibrary::create_device_list() {
    std::lock_guard lock(mutex_);
    const auto cards = find_headset_cards(asound_folder_);
    const int32_t card = cards.empty() ? kNoCard : cards.front();
    capture_endpoint_.reset();
    if (card != kNoCard) {
        if (auto mixer = AlsaMixer::open(card)) {
            capture_endpoint_ = std::make_unique<CaptureEndpoint>(std::move(mixer));
        }
    }
    const bool sink_found = equaliser_.locate(cards);
    equaliser_available_ = sink_found && equaliser_plugin_installed();
    playback_.reset();
    capture_.reset();
    if (sink_found || card != kNoCard) {
        playback_ = ConfLibDevice{kPlaybackId, CONF_LIB_TYPE_PLAYBACK, card, CONF_LIB_STATE_ACTIVE};
    }
    if (capture_endpoint_) {
        capture_ = ConfLibDevice{kCaptureId, CONF_LIB_TYPE_CAPTURE, card, CONF_LIB_STATE_ACTIVE};
    }
    return 0;
}

const std::optional<ConfLibDevice>& ConfLibrary::endpoint(int32_t flow) const {
    return flow == CONF_LIB_FLOW_CAPTURE ? capture_ : playback_;
}

int32_t ConfLibrary::device_count(int32_t flow, int32_t* count) {
    std::lock_guard lock(mutex_);
    if (!count || (flow != CONF_LIB_FLOW_PLAYBACK && flow != CONF_LIB_FLOW_CAPTURE)) {
        return kListFailed;
    }
    *count = endpoint(flow) ? 1 : 0;
    return 0;
}

int32_t ConfLibrary::device_by_id(int32_t flow, int32_t index, ConfLibDevice* device) {
    std::lock_guard lock(mutex_);
    if (!device || (flow != CONF_LIB_FLOW_PLAYBACK && flow != CONF_LIB_FLOW_CAPTURE)) {
        return kListFailed;
    }
    const auto& found = endpoint(flow);
    if (index != 0 || !found) return kListFailed;
    *device = *found;
    return 0;
}

bool ConfLibrary::listed(const ConfLibDevice& device) const {
    const auto& known = device.type == CONF_LIB_TYPE_CAPTURE ? capture_ : playback_;
    return known && known->id == device.id && known->type == device.type;
}

int32_t ConfLibrary::property_control(const ConfLibDevice& device, const wchar_t* name, void* value,
                                      const void* second, int32_t set) {
    std::lock_guard lock(mutex_);
    const bool write = set != 0;
    if (!listed(device)) return to_int(PropertyResult::NoDevice);
    const auto request = parse_property_name(name);
    if (request.property == Property::SupportFeature) return to_int(feature_list(value, write));
    if (device.type == CONF_LIB_TYPE_CAPTURE) {
        if (!is_capture_property(request.property)) return to_int(PropertyResult::Unsupported);
        return to_int(capture_endpoint_->control(request.property, value, second, write));
    }
    return to_int(playback_control(request, value, write));
}

PropertyResult ConfLibrary::feature_list(void* value, bool set) const {
    if (set) return PropertyResult::Unsupported;
    const FeatureSupport support{equaliser_available_,
                                 capture_endpoint_ && capture_endpoint_->has_monitoring()};
    return write_text(value, feature_list_text(support)) ? PropertyResult::Ok
                                                         : PropertyResult::BadValue;
}

PropertyResult ConfLibrary::playback_control(const PropertyRequest& request, void* value,
                                             bool set) {
    if (request.property != Property::EqEnable && request.property != Property::EqBand) {
        return PropertyResult::Unsupported;
    }
    if (!equaliser_available_) return PropertyResult::Unsupported;
    if (set) {
        const auto wanted = read_int(value);
        if (!wanted) return PropertyResult::BadValue;
        return request.property == Property::EqEnable ? equaliser_.enable(*wanted != 0)
                                                      : equaliser_.set_gain(request.band, *wanted);
    }
    if (request.property == Property::EqBand) {
        int gain = 0;
        const auto result = equaliser_.gain(request.band, gain);
        if (result != PropertyResult::Ok) return result;
        return write_int(value, gain) ? PropertyResult::Ok : PropertyResult::BadValue;
    }
    bool on = false;
    const auto result = equaliser_.enabled(on);
    if (result != PropertyResult::Ok) return result;
    return write_int(value, on ? 1 : 0) ? PropertyResult::Ok : PropertyResult::BadValue;
}

}  // namespace ilmo::audio
