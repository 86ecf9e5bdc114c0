#pragma once
// The headset's controller: its 13 lights (animated by the shared lighting engine and sent
// as twelve output reports whenever the frame changed) and its sound side, which does not
// travel over HID but through the audio configuration library loaded at page start. The
// headset has no event interface, so no synchronisation thread either.

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "audio/HeadsetAudio.h"
#include "device/FrameSender.h"
#include "headset/HeadsetFrame.h"
#include "keyboard/LightingDevice.h"

namespace ilmo::profiles {
class CHs6533Profiledata;
}

namespace ilmo::headset {

class CTavrinHS6533Device : public keyboard::LightingDevice {
public:
    // `audio_library` is the library file the page start loads (see audio::conf_lib_file).
    CTavrinHS6533Device(device::HidBackend& backend, int page_row, device::DeviceFolders folders,
                        std::string device_folder_name, device::TraceSink trace,
                        std::filesystem::path audio_library, device::SleepFn sleep = {});
    ~CTavrinHS6533Device() override;

    // UI thread: the lighting sections and the sound settings of the profile.
    profiles::ProfileLoad load_profile(const std::filesystem::path& document) override;

    // Device work: starts the preview, then the sound side (start_audio).
    device::Result load_after_attach() override;
    // Nothing to write over HID but the light frame, which the frame timer sends.
    device::Result write_profile_to_device() override { return device::Result::kOk; }
    // Hands the frame to the sender thread when it differs from the last one, only while
    // connected; true when it did. The page calls it at each change of the lights.
    bool build_and_send_frame() override;
    bool frames_follow_lights() const override { return true; }
    // Device work, for a caller without a frame timer (the command line): the frame of the
    // lights as they are now, sent at once on the caller's thread. kNoAnswer while not
    // connected.
    device::Result send_frame_now();
    device::Result write_lighting_to_device() override { return send_frame_now(); }

    // Device work: loads the library (once), then the page start's sound steps.
    audio::AudioOutcome start_audio();
    // Device work: one panel action, e.g.
    //   run_audio([](audio::HeadsetAudio& a) { return a.set_microphone_level(55); });
    // What it stored goes into the profile, which is then saved.
    audio::AudioOutcome run_audio(
        const std::function<audio::AudioOutcome(audio::HeadsetAudio&)>& action);
    // Any thread: what the sound panels show.
    audio::HeadsetAudioState audio_state() const;

protected:
    void stopping_threads() override;

private:
    // state_mutex() held.
    profiles::CHs6533Profiledata& headset_profile();
    audio::HeadsetAudioStore read_store();
    void write_store(const audio::HeadsetAudioStore& store);
    void publish_audio_state();
    // Audio lock held. A stored outcome is written to the profile and saved.
    void keep_in_profile(audio::AudioOutcome& outcome);
    LightFrame current_frame() const;
    static std::vector<uint8_t> frame_bytes(const LightFrame& frame);
    // Sender thread: the frame's twelve reports, in order; a report the headset did not take
    // leaves the frame to be sent again.
    device::Result send_frame(std::span<const uint8_t> frame);

    const std::filesystem::path audio_library_file_;

    // Serialises the sound actions, the library's calls and profile switches, so an action
    // stores into the profile it began with.
    std::mutex audio_mutex_;
    std::unique_ptr<audio::ConfLib> audio_library_;
    audio::HeadsetAudio audio_;

    mutable std::mutex shown_mutex_;
    audio::HeadsetAudioState shown_;

    std::mutex frame_mutex_;
    std::optional<LightFrame> last_frame_posted_;
    device::FrameSender frames_;
};

}  // namespace ilmo::headset
