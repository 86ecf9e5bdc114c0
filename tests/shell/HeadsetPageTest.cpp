// The headset page's sound tabs against the shipped layout: a state shows on the controls,
// with what cannot be used disabled and saying why, the user's changes come back as the
// right calls, and in the real window a preset reaches the emulated audio library.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>
#include <dlfcn.h>

#include "ShellSupport.h"
#include "audio/ConfLib.h"
#include "audio/emulated/EmulatedConfLib.h"
#include "headset/CTavrinHS6533Device.h"
#include "presence/DevicePresence.h"
#include "shell/Application.h"
#include "shell/CDevicePage.h"
#include "shell/CMagicControlUI.h"
#include "shell/CVirtualSurroundUI.h"
#include "shell/CVoice6533ControlUI.h"
#include "shell/HeadsetPageBinding.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/HeadsetPanelNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/NotificationSink.h"

using namespace ilmo;
using namespace ilmo::shell;
namespace hs_names = names::headset_panels;

namespace {

// Generous hang guard for whatever runs as device work.
constexpr int kDeviceWorkGuardMs = 15000;

QString latin(const char* text) { return QString::fromLatin1(text); }

// The property writes the emulated library logged, one "<device> <name> <int> ..." line each:
// the program loaded the same file, so this is the library it talks to.
QStringList emulated_writes() {
    const std::string file = audio::conf_lib_file(testing::program_folder().toStdString(), true).string();
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return {QString("cannot open ") + QString::fromStdString(file)};
    auto copy = reinterpret_cast<EmulatedConfLibWritesFn>(dlsym(library, EMULATED_CONF_LIB_WRITES));
    if (copy == nullptr) return {"no log"};
    std::string log(static_cast<size_t>(copy(nullptr, 0)) + 1, '\0');
    copy(log.data(), static_cast<int32_t>(log.size()));
    QStringList lines = QString::fromStdString(log.c_str()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines) line = line.section(u' ', 0, 2);  // device, name, integer
    return lines;
}

// The headset layout with its three sound tabs, their notifications routed to them.
class HeadsetTabs : public ui::NotificationSink {
public:
    HeadsetTabs() : skin_(testing::program_folder()) {
        register_program_controls(skin_);
        root_.reset(skin_.build(latin(names::device_page::kHeadset.ui_file), nullptr, this));
        Q_ASSERT(root_ != nullptr);
        const auto translate = [this](QStringView key) { return skin_.text(key); };
        voice = std::make_unique<CVoice6533ControlUI>(root_.get(), translate);
        magic = std::make_unique<CMagicControlUI>(root_.get(), translate);
        surround = std::make_unique<CVirtualSurroundUI>(root_.get(), translate);
    }
    void notify(const ui::Notification& n) override {
        if (voice && voice->handle_notification(n)) return;
        if (magic && magic->handle_notification(n)) return;
        if (surround) surround->handle_notification(n);
    }
    void show(const HeadsetPanelState& state) {
        voice->show(state);
        magic->show(state);
        surround->show(state);
    }

    // The control named `name`, or prefix + index.
    template <class T, class... Index>
    T* control(const char* name, Index... index) {
        return ui::find_control<T>(root_.get(), (latin(name) + ... + QString::number(index)));
    }
    QString text(const char* key) const { return skin_.text(latin(key)); }

    std::unique_ptr<CVoice6533ControlUI> voice;
    std::unique_ptr<CMagicControlUI> magic;
    std::unique_ptr<CVirtualSurroundUI> surround;

private:
    SkinResources skin_;
    std::unique_ptr<QWidget> root_;
};

// Preset 4 with two curves, the second chosen; the microphone on at 55, everything usable.
HeadsetPanelState preset_four() {
    HeadsetPanelState state;
    state.eq_choice = 4;
    state.bands = {2, 1, -2, -3, -5, -7, 0, 4, 9, 8};
    state.custom_names = {"Night", "Bass drive"};
    state.custom_selected = 1;
    state.mic_on = true;
    state.mic_level = 55;
    state.mic_range = LevelRange{"-12.00", "30.00", "0.50"};
    state.monitor_level = 20;
    state.voice_changer_on = true;
    state.voice_effect = 2;
    return state;
}

}  // namespace

class HeadsetPageTest : public QObject {
    Q_OBJECT
private slots:
    void aStateShowsOnTheTabs() {
        HeadsetTabs tabs;
        const auto option = [&](int n) { return tabs.control<QAbstractButton>(hs_names::kEqOptionPrefix, n); };
        auto* custom = tabs.control<QWidget>(hs_names::kCustomLayout);
        auto* combo = tabs.control<QComboBox>(hs_names::kCustomNameCombo);
        tabs.show(preset_four());
        QVERIFY(option(4)->isChecked() && !option(13)->isChecked() && !option(0)->isChecked());
        QCOMPARE(tabs.control<QSlider>(hs_names::kBandSliderPrefix, 5)->value(), -7);
        QCOMPARE(tabs.control<QSlider>(hs_names::kBandSliderPrefix, 8)->value(), 9);
        QVERIFY(!custom->isEnabled());  // the curves are for option 13 alone
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QString("Bass drive"));
        QVERIFY(tabs.control<QAbstractButton>(hs_names::kMicOption)->isChecked());
        QCOMPARE(tabs.control<QSlider>(hs_names::kMicSlider)->value(), 55);
        QCOMPARE(tabs.control<QLabel>(hs_names::kMicRange)->text(),
                 tabs.text(hs_names::kRangeText).arg("-12.00", "30.00", "0.50"));
        QCOMPARE(tabs.control<QSlider>(hs_names::kMonitorSlider)->value(), 20);
        QVERIFY(tabs.control<QAbstractButton>(hs_names::kMagicOptionPrefix, 2)->isChecked());
        QVERIFY(tabs.control<QWidget>(hs_names::kMagicLayout)->isEnabled());
        QVERIFY(tabs.control<QLabel>(hs_names::kVoiceNotice)->isHidden());

        HeadsetPanelState custom_chosen = preset_four();
        custom_chosen.eq_choice = 13;
        tabs.show(custom_chosen);
        QVERIFY(custom->isEnabled());
        QVERIFY(option(13)->isChecked() && !option(4)->isChecked());

        // Nothing usable but the microphone; no preset and no effect chosen.
        HeadsetPanelState cut_off = preset_four();
        cut_off.eq_choice = 0;
        cut_off.voice_effect = 0;
        cut_off.notice_key = hs_names::kNoSoundCardText;
        cut_off.equaliser_unusable = hs_names::kEqualiserUnavailableTip;
        cut_off.monitoring_unusable = hs_names::kMonitoringUnavailableTip;
        cut_off.voice_changer_unusable = hs_names::kVoiceChangerUnavailableTip;
        cut_off.surround_unusable = hs_names::kSurroundUnavailableTip;
        tabs.show(cut_off);
        for (int n = 1; n <= hs_names::kCustomEqOption; ++n) QVERIFY(!option(n)->isChecked());
        const auto unusable = [&](QWidget* widget, const char* tip) {
            return !widget->isEnabled() && widget->toolTip() == tabs.text(tip);
        };
        QVERIFY(unusable(option(5), hs_names::kEqualiserUnavailableTip));
        QVERIFY(unusable(tabs.control<QSlider>(hs_names::kBandSliderPrefix, 0), hs_names::kEqualiserUnavailableTip));
        QVERIFY(unusable(tabs.control<QAbstractButton>(hs_names::kMonitorOption), hs_names::kMonitoringUnavailableTip));
        QVERIFY(unusable(tabs.control<QSlider>(hs_names::kMonitorSlider), hs_names::kMonitoringUnavailableTip));
        QVERIFY(unusable(tabs.control<QAbstractButton>(hs_names::kMagicEnable), hs_names::kVoiceChangerUnavailableTip));
        QVERIFY(!tabs.control<QWidget>(hs_names::kMagicLayout)->isEnabled());
        QVERIFY(unusable(tabs.control<QAbstractButton>(hs_names::kSurroundOption), hs_names::kSurroundUnavailableTip));
        QVERIFY(!tabs.control<QAbstractButton>(hs_names::kMagicOptionPrefix, 2)->isChecked());
        QVERIFY(tabs.control<QSlider>(hs_names::kMicSlider)->isEnabled());
        QVERIFY(tabs.control<QSlider>(hs_names::kMicSlider)->toolTip().isEmpty());
        for (const char* notice : {hs_names::kVoiceNotice, hs_names::kMagicNotice, hs_names::kSurroundNotice}) {
            QVERIFY2(!tabs.control<QLabel>(notice)->isHidden(), notice);
            QCOMPARE(tabs.control<QLabel>(notice)->text(), tabs.text(hs_names::kNoSoundCardText));
        }

        tabs.show(preset_four());  // usable again: no stale tooltips
        QVERIFY(option(5)->isEnabled() && option(5)->toolTip().isEmpty());
        QVERIFY(tabs.control<QLabel>(hs_names::kMagicNotice)->isHidden());

        // A name of any length (a profile may hold one) leaves the equaliser its room.
        HeadsetTabs fresh;
        HeadsetPanelState long_name = preset_four();
        long_name.custom_names = {std::string(10000, 'x')};
        fresh.show(long_name);
        auto* long_combo = fresh.control<QComboBox>(hs_names::kCustomNameCombo);
        // Shown as the user sees it: the sound tab of a visible page.
        auto* tabs_switch = fresh.control<QStackedWidget>(names::device_page::kKeyFunctionSwitch);
        tabs_switch->setCurrentWidget(fresh.control<QWidget>(names::device_page::kVoicePage));
        long_combo->window()->show();
        QTest::qWait(50);
        QVERIFY(long_combo->sizeHint().width() < 400);
    }

    void userChangesBecomeCalls() {
        HeadsetTabs tabs;
        QStringList calls;
        tabs.voice->on_preset = [&](int n) { calls << QString("preset %1").arg(n); };
        tabs.voice->on_band = [&](int band, int value) { calls << QString("band %1 %2").arg(band).arg(value); };
        tabs.voice->on_custom_chosen = [&](int i) { calls << QString("curve %1").arg(i); };
        tabs.voice->on_save = [&](const std::string& name) { calls << "save " + QString::fromStdString(name); };
        tabs.voice->on_delete = [&] { calls << "delete"; };
        tabs.voice->on_mic_switched = [&](bool on) { calls << QString("mic %1").arg(on); };
        tabs.voice->on_mic_level = [&](int level) { calls << QString("mic level %1").arg(level); };
        tabs.voice->on_monitor_switched = [&](bool on) { calls << QString("monitor %1").arg(on); };
        tabs.voice->on_monitor_level = [&](int level) { calls << QString("monitor level %1").arg(level); };
        tabs.magic->on_switched = [&](bool on) { calls << QString("changer %1").arg(on); };
        tabs.magic->on_effect = [&](int n) { calls << QString("effect %1").arg(n); };
        tabs.surround->on_switched = [&](bool on) { calls << QString("surround %1").arg(on); };
        tabs.show(preset_four());
        QVERIFY(calls.isEmpty());  // what the page shows is not the user's change

        // Band 3 on preset 4: reported once, when let go.
        auto* band = tabs.control<QSlider>(hs_names::kBandSliderPrefix, 3);
        band->setSliderDown(true);
        band->setSliderPosition(6);
        QVERIFY(calls.isEmpty());
        band->setSliderDown(false);
        QCOMPARE(calls, QStringList{"band 3 6"});
        calls.clear();

        tabs.control<QAbstractButton>(hs_names::kEqOptionPrefix, 0)->click();
        tabs.control<QAbstractButton>(hs_names::kEqOptionPrefix, 0)->click();
        tabs.control<QAbstractButton>(hs_names::kEqOptionPrefix, 13)->click();
        HeadsetPanelState custom = preset_four();
        custom.eq_choice = 13;
        tabs.show(custom);
        tabs.control<QLineEdit>(hs_names::kCustomNameEdit)->setText("  Late night ");
        tabs.control<QAbstractButton>(hs_names::kSaveButton)->click();
        emit tabs.control<QComboBox>(hs_names::kCustomNameCombo)->activated(0);
        tabs.control<QAbstractButton>(hs_names::kDeleteButton)->click();
        tabs.control<QAbstractButton>(hs_names::kMicOption)->click();
        tabs.control<QSlider>(hs_names::kMicSlider)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        tabs.control<QAbstractButton>(hs_names::kMonitorOption)->click();
        tabs.control<QSlider>(hs_names::kMonitorSlider)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        tabs.control<QAbstractButton>(hs_names::kMagicOptionPrefix, 3)->click();
        tabs.control<QAbstractButton>(hs_names::kMagicEnable)->click();
        tabs.control<QAbstractButton>(hs_names::kSurroundOption)->click();
        QCOMPARE(calls, (QStringList{"preset 0", "preset 13", "save Late night", "curve 0", "delete", "mic 0", "mic level 56",
                                     "monitor 1", "monitor level 30", "effect 3", "changer 0", "surround 1"}));
    }

    void theControllersStateSaysWhyInTheUsersLanguage() {
        const auto key = [](const char* k) { return std::string(k); };
        audio::HeadsetAudioState audio;
        HeadsetPanelState state = panel_state_of(audio);
        QVERIFY(state.notice_key.empty());  // the library was not looked for yet
        QCOMPARE(state.equaliser_unusable, key(hs_names::kAudioUnavailableTip));
        audio.library = {false, "not loaded"};
        QCOMPARE(panel_state_of(audio).notice_key, key(hs_names::kNoLibraryText));
        audio.library = {true, {}};
        state = panel_state_of(audio);  // a library without the headset's endpoints
        QCOMPARE(state.notice_key, key(hs_names::kNoSoundCardText));
        QCOMPARE(state.surround_unusable, key(hs_names::kAudioUnavailableTip));

        // An output without a microphone: the microphone's effects say it is missing.
        audio.equaliser = audio.surround = audio.monitoring = audio.voice_changer = {true, {}};
        audio.record.mic_monitor_percent = 35;
        audio.monitoring_range = {"-6.00", "6.00", "1.00"};
        state = panel_state_of(audio);
        QVERIFY(state.notice_key.empty() && state.equaliser_unusable.empty());
        QCOMPARE(state.surround_unusable, key(hs_names::kSurroundNoActionTip));
        QCOMPARE(state.microphone_unusable, key(hs_names::kMicrophoneUnavailableTip));
        QCOMPARE(state.monitoring_unusable, key(hs_names::kMicrophoneUnavailableTip));
        QCOMPARE(state.voice_changer_unusable, key(hs_names::kMicrophoneUnavailableTip));
        QCOMPARE(state.monitor_level, 35);
        QVERIFY(state.monitor_range && state.monitor_range->highest == "6.00" && !state.mic_range);
    }

    void aPresetClickReachesTheEmulatedLibrary() {
        testing::ShellRig rig;
        rig.window().initialise();
        CDevicePage* page = nullptr;
        int page_index = 0;
        for (; page_index < device::kPageCount && page == nullptr; ++page_index)
            if (dynamic_cast<headset::CTavrinHS6533Device*>(rig.window().page(page_index)->controller()))
                page = rig.window().page(page_index);
        --page_index;
        QVERIFY(page != nullptr && page->headset_binding() != nullptr);
        auto* headset = static_cast<headset::CTavrinHS6533Device*>(page->controller());
        rig.bus().plug(sim::SimProduct::Headset);
        const auto idle = [&] { return !rig.window().presence()->device_work_running(page_index); };
        QVERIFY(QTest::qWaitFor([&] { return headset->audio_state().equaliser.available && idle(); },
                                kDeviceWorkGuardMs));
        auto* preset = ui::find_control<QAbstractButton>(page, latin("6533_eq_option_4"));
        QVERIFY(preset->isEnabled());
        const qsizetype before = emulated_writes().size();

        preset->click();
        QVERIFY(QTest::qWaitFor(idle, kDeviceWorkGuardMs));
        QTRY_VERIFY(preset->isChecked());
        const QStringList expected{
            "playback Enable_EQ_GFX 1", "playback EQ_Slider1 2",  "playback EQ_Slider2 1",
            "playback EQ_Slider3 -2",   "playback EQ_Slider4 -3", "playback EQ_Slider5 -5",
            "playback EQ_Slider6 -7",   "playback EQ_Slider7 0",  "playback EQ_Slider8 4",
            "playback EQ_Slider9 9",    "playback EQ_Slider10 8"};
        QCOMPARE(emulated_writes().mid(before), expected);
        QCOMPARE(ui::find_control<QSlider>(page, latin("6533_eq_hz_slider_5"))->value(), -7);

        // The lights' frames follow the lights, not a clock: a new colour reaches the headset.
        const auto reports = [&] { return rig.bus().packet_log().reports_of(sim::SimProduct::Headset).size(); };
        QTRY_VERIFY(reports() > 0);
        device::LightRecord light = headset->lighting();
        light.mode = 0;  // steady: nothing changes until the colour does
        light.red = light.red == 200 ? 100 : 200;
        QVERIFY(headset->change_lighting(light));
        QTest::qWait(200);
        const size_t before_colour = reports();
        light.red = light.red == 200 ? 100 : 200;
        QVERIFY(headset->change_lighting(light));
        QTRY_VERIFY(reports() > before_colour);
    }
};

QTEST_MAIN(HeadsetPageTest)
#include "HeadsetPageTest.moc"
