#pragma once
// Joins a headset page to its controller: the sound state the controller keeps shows on the
// sound, voice changer and surround tabs, and what the user changes there runs as the
// controller's audio action in the page's device work; the tabs then show the new state and
// the page shows what the action had to say.

#include <functional>

#include "shell/CMagicControlUI.h"
#include "shell/CVirtualSurroundUI.h"
#include "shell/CVoice6533ControlUI.h"
#include "shell/HeadsetPanelState.h"

namespace ilmo::audio {
class HeadsetAudio;
struct AudioOutcome;
struct HeadsetAudioState;
}  // namespace ilmo::audio

namespace ilmo::headset {
class CTavrinHS6533Device;
}

namespace ilmo::shell {

class CDevicePage;

// The tabs' view of the controller's sound state: what cannot be used says why in the
// user's language.
HeadsetPanelState panel_state_of(const audio::HeadsetAudioState& audio);

class HeadsetPageBinding {
public:
    HeadsetPageBinding(CDevicePage& page, headset::CTavrinHS6533Device& headset,
                       ui::Translate translate);
    HeadsetPageBinding(const HeadsetPageBinding&) = delete;
    HeadsetPageBinding& operator=(const HeadsetPageBinding&) = delete;

    // UI thread: the tabs show the controller's sound state.
    void refresh();
    bool handle_notification(const ui::Notification& n);
    void retranslate();

private:
    using Action = std::function<audio::AudioOutcome(audio::HeadsetAudio&)>;
    using After = std::function<void(const audio::AudioOutcome&)>;

    void bind_voice();
    void bind_magic();
    // Runs `action` as the page's device work; then the tabs show the new state, the page
    // what the action had to say, and `after` runs.
    void run(Action action, After after = {});
    void finished(const audio::AudioOutcome& outcome);

    CDevicePage& page_;
    headset::CTavrinHS6533Device& headset_;
    CVoice6533ControlUI voice_;
    CMagicControlUI magic_;
    CVirtualSurroundUI surround_;
};

}  // namespace ilmo::shell
