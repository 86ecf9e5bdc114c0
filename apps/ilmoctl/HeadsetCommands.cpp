#include "HeadsetCommands.h"

#include <functional>

#include "HeadsetReading.h"
#include "audio/CustomCurveRules.h"
#include "audio/EqPresets.h"
#include "audio/HeadsetAudio.h"
#include "profiles/ProfileNamesFold.h"

namespace ilmo::ctl {

namespace {

using audio::AudioOutcome;
using audio::HeadsetAudio;
using audio::HeadsetAudioState;
using device::Result;
using headset::CTavrinHS6533Device;
using What = HeadsetGet::What;
namespace prop = audio::property;

// The headset's modes are the pad's, numbered by their place in the list.
constexpr ModeNumbering kNumbering = ModeNumbering::ByIndex;
// The page's message when a custom curve cannot be saved, in English.
constexpr std::string_view kCurveRefused =
    "This name is already in use, or the list is full. Please choose another name.";
// A hang guard only: the preview ticks as soon as the lighting changed.
constexpr int kPreviewTickWaitMs = 2000;

using Feature = audio::Availability HeadsetAudioState::*;
using Action = std::function<AudioOutcome(HeadsetAudio&)>;

// Property names are ASCII.
std::string text_of(const wchar_t* name) {
    std::string text;
    for (; *name != L'\0'; ++name) text.push_back(static_cast<char>(*name));
    return text;
}

const std::string kEqProperties = text_of(prop::kEnableEq) + " and " +
                                  text_of(audio::eq_slider_property(0)) + "-" +
                                  text_of(audio::eq_slider_property(profiles::kEqBandCount - 1));

// One panel action: what it changes, the library properties it writes, the action.
struct SoundStep {
    std::string what;
    std::string properties;
    Action action;
    bool stores = true;  // false: the page only shows the result (a moved band)
};

struct Run {
    HeadsetLink& link;
    const DeviceSession& session;
    const Output& output;

    CTavrinHS6533Device& headset() const { return *link.controller; }
    std::string profile_text() const { return "profile \"" + link.profile_name() + "\""; }
    Reading reading() const {
        return device_reading("headset", std::string(link_name(link.link)), link.profile_name());
    }

    int operator()(const HeadsetGet& get) const;
    int operator()(const HeadsetSet& set) const;
    int operator()(const HeadsetBand& band) const;
    int operator()(const HeadsetCurve& curve) const;

    int unusable(Feature feature, std::string_view name) const;
    int run_step(const SoundStep& step) const;
    int change_sound(const HeadsetSoundChange& change) const;
    int change_lighting(const LightingChange& change) const;
    int curve_refused(const std::string& name) const;
    std::optional<int> curve_named(const std::string& name) const;
};

int Run::operator()(const HeadsetGet& get) const {
    const HeadsetAudioState state = headset().audio_state();
    Reading shown = reading();
    const bool everything = get.what == What::Everything;
    if (everything || get.what == What::Sound) add_sound_groups(shown, state);
    if (everything || get.what == What::Equaliser) add_equaliser(shown, state);
    if (everything || get.what == What::Curves) add_curves(shown, state);
    if (everything || get.what == What::Lighting) {
        // The headset cannot be read back: its lights show what the host sends.
        FieldGroup& group = shown.add_group("lighting");
        group.add("source", std::string("profile"));
        add_lighting_fields(group, headset().lighting(), headset().modes(), kNumbering, false);
    }
    if (get.what == What::Modes) shown.tables.push_back(mode_table(headset().modes(), kNumbering));
    output.print(shown);
    return kExitOk;
}

// Exit status 1 with the reason when the library, or the feature in it, cannot be used.
int Run::unusable(Feature feature, std::string_view name) const {
    const HeadsetAudioState state = headset().audio_state();
    if (!state.library.available)
        return output.fail(kExitDeviceError, "the headset's " + std::string(name) +
                                                 " cannot be changed: " + state.library.reason +
                                                 " (" + session.audio_library().string() + ")");
    const audio::Availability& available = state.*feature;
    if (available.available) return kExitOk;
    return output.fail(kExitDeviceError, "the headset's " + std::string(name) +
                                             " cannot be changed: " + available.reason);
}

int Run::run_step(const SoundStep& step) const {
    const AudioOutcome outcome = headset().run_audio(step.action);
    const std::string result = "result " + std::to_string(outcome.result);
    if (outcome.result != 0 && !outcome.stored)
        return output.fail(kExitDeviceError, "the sound library refused " + step.properties + " (" +
                                                 result + "): " + step.what +
                                                 " was not changed and nothing was stored");
    if (outcome.result != 0)
        output.warn(step.what + " was stored, but a later write of the library failed (" + result +
                    ")");
    else if (step.stores && !outcome.stored)
        return output.not_saved(headset().profile_data().document_path());
    return kExitOk;
}

int Run::change_sound(const HeadsetSoundChange& change) const {
    using S = HeadsetAudioState;
    const profiles::HeadsetSettings record = headset().audio_state().record;
    // Every part asked for must be usable before anything changes.
    if (change.equaliser)
        if (const int e = unusable(&S::equaliser, "equaliser")) return e;
    if (change.microphone || change.microphone_level)
        if (const int e = unusable(&S::microphone, "microphone")) return e;
    if (change.monitoring || change.monitoring_level)
        if (const int e = unusable(&S::monitoring, "monitoring")) return e;
    if (change.voice_changer || change.voice_effect)
        if (const int e = unusable(&S::voice_changer, "voice changer")) return e;
    // The page offers the effects only while the voice changer is on.
    if (change.voice_effect && !change.voice_changer.value_or(record.magic_enable != 0))
        return output.fail(kExitUsage, "a voice effect needs the voice changer on (voice on)");

    std::vector<SoundStep> steps;
    if (const auto on = change.voice_changer)
        steps.push_back({"the voice changer", text_of(prop::kEnableMagicVoice),
                         [on](HeadsetAudio& a) { return a.set_voice_changer(*on); }});
    if (const auto effect = change.voice_effect)
        steps.push_back({"the voice effect", text_of(prop::kMagicVoiceSelection),
                         [effect](HeadsetAudio& a) { return a.choose_voice_effect(*effect); }});
    // The page's options toggle: one already as asked is left alone.
    if (change.microphone && *change.microphone != (record.mic_in_select != 0))
        steps.push_back({"the microphone", text_of(prop::kMuteControl),
                         [](HeadsetAudio& a) { return a.toggle_microphone(); }});
    if (const auto level = change.microphone_level)
        steps.push_back({"the microphone level", text_of(prop::kVolumeScalarControl),
                         [level](HeadsetAudio& a) { return a.set_microphone_level(*level); }});
    if (change.monitoring && *change.monitoring != (record.mic_monitor_select != 0))
        steps.push_back({"monitoring", text_of(prop::kAAMuteControl),
                         [](HeadsetAudio& a) { return a.toggle_monitoring(); }});
    if (const auto level = change.monitoring_level)
        steps.push_back({"the monitoring level", text_of(prop::kAAVolumeScalarControl),
                         [level](HeadsetAudio& a) { return a.set_monitoring_level(*level); }});
    if (const auto option = change.equaliser)
        steps.push_back({"the equaliser", kEqProperties,
                         [option](HeadsetAudio& a) { return a.choose_equaliser(*option); }});
    for (const SoundStep& step : steps)
        if (const int e = run_step(step)) return e;
    return kExitOk;
}

int Run::change_lighting(const LightingChange& change) const {
    CTavrinHS6533Device& controller = headset();
    const LightingResult lighting =
        changed_lighting(controller.lighting(), change, controller.modes(), kNumbering);
    if (!lighting.error.empty())
        return output.fail(
            kExitUsage, "the headset has " + lighting.error + "; \"headset get modes\" lists them");
    if (!controller.change_lighting(lighting.light))
        return output.not_saved(controller.profile_data().document_path());
    if (!link.connected()) return kExitOk;
    // A tick told after the change may have drawn the lights before it; the one after that
    // began with the change in place.
    const PreviewTicks& ticks = session.headset_ticks();
    static_cast<void>(ticks.wait_past(ticks.count() + 1, kPreviewTickWaitMs));
    const Result sent = controller.send_frame_now();
    if (!device::succeeded(sent))
        return output.device_failure("sending the light frame to the headset", sent);
    return kExitOk;
}

int Run::operator()(const HeadsetSet& set) const {
    if (const int e = change_sound(set.sound)) return e;
    if (set.lighting.any())
        if (const int e = change_lighting(set.lighting)) return e;
    std::string note = "headset: settings changed in " + profile_text();
    if (set.lighting.any())
        note += link.connected() ? "; the headset's lights show the lighting"
                                 : "; the headset's lights are not connected";
    output.note(note);
    return kExitOk;
}

int Run::operator()(const HeadsetBand& band) const {
    if (const int e = unusable(&HeadsetAudioState::equaliser, "equaliser")) return e;
    const SoundStep step{
        "band " + std::to_string(band.band + 1), text_of(audio::eq_slider_property(band.band)),
        [band](HeadsetAudio& a) { return a.move_band(band.band, band.value); }, false};
    if (const int e = run_step(step)) return e;
    // As on the page, a moved band is heard and shown; the profile keeps it as a curve.
    output.note("headset: band " + std::to_string(band.band + 1) + " set to " +
                std::to_string(band.value) +
                " (custom); the profile keeps it only as a saved curve: headset curve save NAME");
    return kExitOk;
}

int Run::curve_refused(const std::string& name) const {
    const std::string curve = name.empty() ? "the selected curve" : "curve \"" + name + "\"";
    return output.fail(kExitUsage, curve + " was not saved: " + std::string(kCurveRefused) + " (" +
                                       std::to_string(audio::kMaxCustomCurves) +
                                       " curves at most, names compared ignoring case; without "
                                       "a NAME a curve must be selected)");
}

// The curve's index, its name compared ignoring case as when curves are saved.
std::optional<int> Run::curve_named(const std::string& name) const {
    const std::vector<std::string> names = headset().audio_state().custom_names;
    for (size_t i = 0; i < names.size(); ++i)
        if (profiles::same_name(names[i], name)) return static_cast<int>(i);
    return std::nullopt;
}

int Run::operator()(const HeadsetCurve& curve) const {
    using Action = HeadsetCurve::Action;
    if (const int e = unusable(&HeadsetAudioState::equaliser, "equaliser")) return e;
    if (curve.action == Action::Save) {
        const AudioOutcome saved = headset().run_audio(
            [&curve](HeadsetAudio& a) { return a.save_custom_curve(curve.name); });
        if (!saved.notices.empty()) return curve_refused(curve.name);
        if (!saved.stored) return output.not_saved(headset().profile_data().document_path());
        output.note("headset: curve saved in " + profile_text());
        return kExitOk;
    }
    std::optional<int> index;
    if (!curve.name.empty()) {
        index = curve_named(curve.name);
        if (!index)
            return output.fail(kExitUsage, "the " + profile_text() + " has no curve \"" +
                                               curve.name +
                                               "\"; \"headset get curves\" lists them");
    } else if (headset().audio_state().custom_selected < 0) {
        return output.fail(kExitUsage, "no curve is selected: name the curve to delete");
    }
    // Choosing applies the curve even when it is the selected one; deleting a named curve
    // selects it first, as the page's list does.
    if (index &&
        (curve.action == Action::Choose || *index != headset().audio_state().custom_selected)) {
        const int chosen = *index;
        const SoundStep choose{"the curve \"" + curve.name + "\"", kEqProperties,
                               [chosen](HeadsetAudio& a) { return a.choose_custom_curve(chosen); }};
        if (const int e = run_step(choose)) return e;
    }
    if (curve.action == Action::Delete) {
        const SoundStep remove{"the curve list", kEqProperties,
                               [](HeadsetAudio& a) { return a.delete_custom_curve(); }};
        if (const int e = run_step(remove)) return e;
    }
    output.note("headset: curve " +
                std::string(curve.action == Action::Delete ? "deleted" : "chosen") + " in " +
                profile_text());
    return kExitOk;
}

}  // namespace

int run_headset_request(DeviceSession& session, const HeadsetRequest& request,
                        const Output& output) {
    std::string error;
    HeadsetLink* link = session.headset(error);
    if (link == nullptr) return output.fail(kExitDeviceError, error);
    return std::visit(Run{*link, session, output}, request);
}

}  // namespace ilmo::ctl
