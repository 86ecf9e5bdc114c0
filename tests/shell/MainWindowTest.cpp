#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "ShellSupport.h"
#include "capture/CAudioRecorImpl.h"
#include "capture/CSingleton.h"
#include "capture/CaptureWindow.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/LightingDevice.h"
#include "profiles/JsonFile.h"
#include "shell/MusicLink.h"
#include "presence/DevicePresence.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CMpDevicePowerUI.h"
#include "shell/Density.h"
#include "shell/DevSimPanel.h"
#include "shell/names/MainWindowNames.h"
#include "shell/names/PowerIndicatorNames.h"
#include "shell/ui/ControlLookup.h"

using namespace ilmo;
using namespace ilmo::shell;
using sim::SimProduct;

namespace {

// Page order follows the device option table: mouse, keyboard, mouse-pad, headset.
constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;

template <class T>
T* control(CMainWnd& window, const char* name) {
    return ui::find_control<T>(&window, QString::fromLatin1(name));
}

// The power indicator of one page; null when the page has none.
CMpDevicePowerUI* indicator_of(CMainWnd& window, int page) {
    auto* stack = control<QStackedWidget>(window, names::main_window::kDevicePowerSwitch);
    return qobject_cast<CMpDevicePowerUI*>(stack->widget(page + 1));
}

QLabel* indicator_label(CMpDevicePowerUI* indicator, const char* name) {
    return ui::find_control<QLabel>(indicator, QString::fromLatin1(name));
}

// A levels notice of `bytes` bytes with every level at `level`.
capture::CopyData levels_notice(int level, uint32_t bytes) {
    capture::CopyData data{capture::kLevelsNotice, bytes, {}};
    for (int i = 0; i < capture::kLevelCount; ++i)
        for (int b = 0; b < 4; ++b) data.bytes.push_back(uint8_t(uint32_t(level) >> (8 * b)));
    data.bytes.resize(bytes);
    return data;
}

int visible_items(CMainWnd& window) {
    int shown = 0;
    for (int i = 0; i < window.page_count(); ++i) shown += window.item(i)->isVisibleTo(&window);
    return shown;
}

// Trace lines from every thread of the window.
class TraceLines {
public:
    device::TraceSink sink() {
        return [this](std::string_view line) {
            std::lock_guard lock(mutex_);
            lines_ << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        };
    }
    bool contains(const QString& line) {
        std::lock_guard lock(mutex_);
        return lines_.contains(line);
    }
    bool matches(const QRegularExpression& pattern) {
        std::lock_guard lock(mutex_);
        return !lines_.filter(pattern).isEmpty();
    }

private:
    std::mutex mutex_;
    QStringList lines_;
};

// Holds whoever traces the first failed receiver link query until the test lets it go, and
// notes whether the UI thread ever asked. If nobody lets go, a hang guard does.
class LinkWaitGate {
public:
    device::TraceSink sink() {
        return [this](std::string_view line) {
            if (line == "获取2.4G模式失败") failed_query();
        };
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        let_go_.notify_all();
    }
    bool holding() {
        std::lock_guard lock(mutex_);
        return holding_;
    }
    bool asked_on_ui_thread() {
        std::lock_guard lock(mutex_);
        return asked_on_ui_thread_;
    }

private:
    void failed_query() {
        std::unique_lock lock(mutex_);
        asked_on_ui_thread_ = asked_on_ui_thread_ || std::this_thread::get_id() == ui_thread_;
        if (++failures_ != 1) return;
        holding_ = true;
        let_go_.wait_for(lock, std::chrono::seconds(5), [this] { return released_; });
        holding_ = false;
    }

    const std::thread::id ui_thread_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable let_go_;
    int failures_ = 0;
    bool holding_ = false;
    bool released_ = false;
    bool asked_on_ui_thread_ = false;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyDevicePageIsBuiltAtStart() {
        testing::ShellRig rig;
        QVERIFY(rig.window().built());
        rig.window().initialise();
        QCOMPARE(rig.window().page_count(), 4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(rig.window().page(i)->controller() != nullptr);
            QVERIFY(!rig.window().item(i)->isVisibleTo(&rig.window()));
        }
        // The keyboard page found every key of its picture.
        for (int k = 0; k < 126; ++k) QVERIFY2(rig.window().page(kKeyboardPage)->key_button(k), qPrintable(QString::number(k)));
    }

    void arrivalShowsAndSelectsThePage() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->isVisibleTo(&rig.window()));
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->selected());
        auto* pages = control<QStackedWidget>(rig.window(), names::main_window::kDeviceSwitch);
        QCOMPARE(pages->currentWidget(), rig.window().page(kKeyboardPage));
        QVERIFY(!control<QWidget>(rig.window(), names::main_window::kNoDeviceLink)->isVisibleTo(&rig.window()));
        QVERIFY(rig.window().page(kKeyboardPage)->controller()->command_channel().is_open());
    }

    void removingTheLastDeviceShowsNoDeviceAndTheEmptyPages() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::MousePad);
        QTRY_VERIFY(rig.window().item(kPadPage)->isVisibleTo(&rig.window()));
        rig.bus().unplug(SimProduct::MousePad);
        QTRY_VERIFY(!rig.window().item(kPadPage)->isVisibleTo(&rig.window()));
        QVERIFY(control<QWidget>(rig.window(), names::main_window::kNoDeviceLink)->isVisibleTo(&rig.window()));
        QCOMPARE(control<QStackedWidget>(rig.window(), names::main_window::kDeviceSwitch)->currentIndex(), 0);
        QCOMPARE(control<QStackedWidget>(rig.window(), names::main_window::kDevicePowerSwitch)->currentIndex(), 0);
    }

    void receiverKeyboardWithItsCablePresentKeepsOnePage() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->isVisibleTo(&rig.window()));
        rig.bus().plug(SimProduct::KeyboardReceiver);
        rig.settle();
        QCOMPARE(rig.window().page_count(), 4);
        QCOMPARE(visible_items(rig.window()), 1);
        QVERIFY(!rig.window().page(kKeyboardPage)->controller()->receiver_mode());
    }

    void linkSwitchesBetweenCableAndReceiverBothWays() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::MouseReceiver);
        device::CTavrinUSBDevice* mouse = rig.window().page(kMousePage)->controller();
        QTRY_VERIFY(rig.window().item(kMousePage)->isVisibleTo(&rig.window()));
        QVERIFY(mouse->receiver_mode());

        rig.bus().plug(SimProduct::Mouse);
        QTRY_VERIFY(!mouse->receiver_mode());
        QVERIFY(!mouse->command_channel().wireless());
        QTRY_VERIFY(rig.window().item(kMousePage)->isVisibleTo(&rig.window()));

        // Pulling the cable: the mouse carries on through its receiver.
        rig.bus().unplug(SimProduct::Mouse);
        QTRY_VERIFY(mouse->receiver_mode());
        QVERIFY(mouse->command_channel().wireless());
        QVERIFY(mouse->command_channel().is_open());
        QTRY_VERIFY(rig.window().item(kMousePage)->isVisibleTo(&rig.window()));
    }

    void lightStatusSwitchTogglesAndTellsCabledKeyboards() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->isVisibleTo(&rig.window()));
        auto* light_status = control<QAbstractButton>(rig.window(), names::main_window::kControlLightStatus);
        QVERIFY(rig.window().lighting_control());
        QTest::mouseClick(light_status, Qt::LeftButton);
        QVERIFY(!rig.window().lighting_control());
        const int before = rig.bus().with_firmware(SimProduct::Keyboard, [](sim::Firmware& f) {
            return f.counters().light_status_on;
        });
        QTest::mouseClick(light_status, Qt::LeftButton);
        QVERIFY(rig.window().lighting_control());
        const int after = rig.bus().with_firmware(SimProduct::Keyboard, [](sim::Firmware& f) {
            return f.counters().light_status_on;
        });
        QCOMPARE(after, before + 1);
    }

    // The music styles are merged from the shipped and the user file at start, and the user
    // file is there from then on.
    void startWritesTheUserMusicStyles() {
        testing::ShellRig rig;
        const QString styles = rig.user_data_folder() + "/AudioFile.json";
        QVERIFY(!QFile::exists(styles));
        rig.window().initialise();
        QVERIFY(QFile::exists(styles));
        QVERIFY(profiles::read_json_file(styles.toStdString()).isMember("AudioLightInfo"));
    }

    // Capture's notices come on its own thread: the window takes the levels, and every third
    // notice's bands reach the connected keyboard, whose beat ripple fires on loud music.
    void musicNoticesReachTheKeyboardFromTheCaptureThread() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->isVisibleTo(&rig.window()));
        auto* keyboard = dynamic_cast<keyboard::CTavrinKeyboardDevice*>(
            rig.window().page(kKeyboardPage)->controller());
        QVERIFY(keyboard != nullptr);
        const std::filesystem::path document = keyboard->profile_data().document_path();
        Json::Value doc = profiles::read_json_file(document);
        doc["Device"][0]["LightInfo"]["SelectItem"] = 21;
        doc["Device"][0]["AudioLightInfo"]["AudioMode"] = 2;  // the beat ripple
        QVERIFY(profiles::write_json_file(document, doc));
        static_cast<void>(keyboard->load_profile(document));
        QTRY_VERIFY(rig.window().music_link() != nullptr);

        // Loud and quiet in turn: the changes between notices are the beat.
        std::thread capture_thread([&] {
            for (int i = 0; i < 60; ++i) {
                rig.window().music_link()->copy_data(levels_notice(i % 2 ? 8192 : 0, 1999));  // ignored
                rig.window().music_link()->copy_data(
                    levels_notice(i % 2 ? 8192 : 0, capture::kLevelsBytes));
            }
        });
        capture_thread.join();
        QTRY_VERIFY(keyboard->beat_ripples() > 0);
        // The window is taken off capture before it goes: no notice may reach it afterwards.
        // Capture ends with it, even while it still waits for a sound server.
        const auto& entry = capture::CSingleton<capture::CAudioRecorImpl>::instance();
        QTRY_VERIFY(entry.registered_window() == rig.window().music_link());
        rig.destroy_window();
        QCOMPARE(entry.registered_window(), nullptr);
        QVERIFY(!entry.running());
    }

    // The keyboard is handed the keyboard's 25 bands, not the mouse's 10, and what they draw
    // reaches the keyboard in its host frames.
    void musicBandsOfTheKeyboardReachItsFrames() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        rig.bus().plug(SimProduct::Mouse);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->isVisibleTo(&rig.window()));
        QTRY_VERIFY(rig.window().item(kMousePage)->isVisibleTo(&rig.window()));
        auto* keyboard = dynamic_cast<keyboard::CTavrinKeyboardDevice*>(
            rig.window().page(kKeyboardPage)->controller());
        QVERIFY(keyboard != nullptr);
        // Loaded: what it reads from the keyboard no longer replaces the profile's mode.
        QTRY_VERIFY(keyboard->loaded() &&
                    !rig.window().presence()->device_work_running(kKeyboardPage));
        const std::filesystem::path document = keyboard->profile_data().document_path();
        Json::Value doc = profiles::read_json_file(document);
        doc["Device"][0]["LightInfo"]["SelectItem"] = 21;
        Json::Value& music = doc["Device"][0]["AudioLightInfo"];
        music["AudioMode"] = 0;  // column c shows band c
        music["7ColorFlags"] = 0;
        for (const char* key : {"BkColorR", "BkColorG", "BkColorB", "FgColorR", "FgColorG"})
            music[key] = 0;
        music["FgColorB"] = 200;
        QVERIFY(profiles::write_json_file(document, doc));
        static_cast<void>(keyboard->load_profile(document));
        QTRY_VERIFY(rig.window().music_link() != nullptr);

        // Levels swinging over the whole range in every band: each column lights its keys.
        // The mouse's bands would light at most ten of the 23 columns, under half the keys.
        int notices = 0;
        const auto most_keys_lit = [&] {
            for (int i = 0; i < 3; ++i, ++notices)
                rig.window().music_link()->copy_data(
                    levels_notice(notices % 2 ? 8192 : 0, capture::kLevelsBytes));
            const size_t frame_bytes = size_t(keyboard->information().key_positions()) * 3;
            const std::vector<uint8_t> frame =
                rig.bus().with_firmware(SimProduct::Keyboard, [&](sim::Firmware& f) {
                    return f.read(sim::FirmwareMemory::LightFrame, 0, frame_bytes);
                });
            size_t lit = 0;
            for (size_t led = 0; led + 2 < frame.size(); led += 3)
                lit += frame[led] == 0 && frame[led + 1] == 0 && frame[led + 2] > 100;
            return lit * 2 > frame.size() / 3;
        };
        QTRY_VERIFY(most_keys_lit());
    }

    void receiverLinkWaitLeavesTheWindowFree() {
        LinkWaitGate gate;
        testing::ShellRig rig({gate.sink()});
        rig.window().initialise();
        rig.bus().plug(SimProduct::Mouse);
        QTRY_VERIFY(rig.window().item(kMousePage)->isVisibleTo(&rig.window()));
        rig.bus().plug(SimProduct::MouseReceiver);
        rig.settle();
        rig.bus().set_device_linked(SimProduct::MouseReceiver, false);
        bool removal_handled = false;
        connect(&rig.window(), &CMainWnd::devices_changed, this, [&] { removal_handled = true; });

        // Pulling the cable moves the mouse to its receiver, whose mouse does not answer.
        rig.bus().unplug(SimProduct::Mouse);
        QTRY_VERIFY_WITH_TIMEOUT(removal_handled && gate.holding(), 15000);
        QVERIFY(!gate.asked_on_ui_thread());
        presence::DevicePresence& presence = *rig.window().presence();
        QVERIFY(presence.device_work_running(kMousePage));

        // The receiver goes too while the wait is held: the wait ends with the channel, and
        // what it would have led to is never applied to the page.
        rig.bus().unplug(SimProduct::MouseReceiver);
        QTRY_VERIFY(!rig.window().item(kMousePage)->isVisibleTo(&rig.window()));
        gate.release();
        QTRY_VERIFY(!presence.device_work_running(kMousePage));
        QVERIFY(!rig.window().item(kMousePage)->timer_pending(presence::ItemTimer::LinkWatch));
        QVERIFY(!presence.page(kMousePage).connected);
    }

    void powerReadByDeviceWorkIsDrawnOnTheUiThread() {
        testing::ShellRig rig;
        rig.window().initialise();
        auto* value = indicator_label(indicator_of(rig.window(), kMousePage),
                                      names::power_indicator::kPowerValue);
        const QString before = value->text();
        device::PowerStatus status;
        status.bytes = {57, 2, 0, 0, 0, 0};
        std::thread worker([&] { rig.window().page(kMousePage)->show_power(status); });
        worker.join();
        QCOMPARE(value->text(), before);
        QTRY_COMPARE(value->text(), QString("57%"));
    }

    void padPageShowsThePhoneOnItsCharger() {
        testing::ShellRig rig;
        rig.window().initialise();
        CMpDevicePowerUI* indicator = indicator_of(rig.window(), kPadPage);
        QVERIFY(indicator != nullptr);
        auto* value = indicator_label(indicator, names::power_indicator::kPowerValue);
        auto* phone = indicator_label(indicator, names::power_indicator::kPhoneTypeImage);
        QVERIFY(!value->isVisibleTo(indicator));  // nothing read yet, nothing made up
        device::PowerStatus status;
        status.bytes = {40, 1, 0, 0, 0, 2};
        rig.window().page(kPadPage)->show_power(status);
        QVERIFY(value->isVisibleTo(indicator));
        QCOMPARE(value->text(), QString("40%"));
        QVERIFY(phone->isVisibleTo(indicator));
        QCOMPARE(phone->toolTip(),
                 rig.skin().text(QString::fromLatin1(names::power_indicator::kPhoneSamsungText)));
    }

    void withoutATrayTheWindowIsNeverOutOfReach() {
        testing::ShellRig rig;  // the desktop has no tray
        bool scanned = false;
        connect(&rig.window(), &CMainWnd::first_scan_done, this, [&] { scanned = true; });
        rig.window().set_start_in_tray(true);
        rig.window().initialise();
        QTRY_VERIFY(scanned);
        QVERIFY(rig.window().isVisible() && rig.window().isMinimized());
        namespace m = names::main_window;
        for (const char* button : {m::kNoDeviceOkBtn, m::kCloseBtn}) {
            rig.window().show_and_raise();
            control<QAbstractButton>(rig.window(), button)->click();
            QVERIFY2(rig.window().isVisible() && rig.window().isMinimized(), button);
        }
    }

    void aMinimisedWindowRestsThePreviews() {
        testing::ShellRig rig;  // without a tray a start in the tray minimises the window
        bool scanned = false;
        connect(&rig.window(), &CMainWnd::first_scan_done, this, [&] { scanned = true; });
        rig.window().set_start_in_tray(true);
        rig.window().initialise();
        QTRY_VERIFY(scanned);
        const auto previews_paused = [&rig](bool paused) {
            for (int page : {kKeyboardPage, kPadPage}) {
                auto* lighting =
                    dynamic_cast<keyboard::LightingDevice*>(rig.window().page(page)->controller());
                if (lighting == nullptr || lighting->preview_paused() != paused) return false;
            }
            return true;
        };
        QVERIFY(previews_paused(true));
        rig.window().show_and_raise();
        QVERIFY(previews_paused(false));
        control<QAbstractButton>(rig.window(), names::main_window::kMinBtn)->click();
        QVERIFY(previews_paused(true));
    }

    void trayStartLeavesThePagesHidden() {
        testing::ShellRig rig({{}, true});
        rig.bus().plug(SimProduct::Mouse);
        bool scanned = false;
        connect(&rig.window(), &CMainWnd::first_scan_done, this, [&] { scanned = true; });
        rig.window().set_start_in_tray(true);
        rig.window().initialise();
        QTRY_VERIFY(scanned);
        QVERIFY(!rig.window().isVisible());
        device::CTavrinUSBDevice* mouse = rig.window().page(kMousePage)->controller();
        QVERIFY(mouse->command_channel().is_open());
        QVERIFY(mouse->power_reads_paused());  // nobody looks at its battery
        rig.window().show_and_raise();
        QVERIFY(!mouse->power_reads_paused());
    }

    void maximisingOffersTheRestoreButton() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().show_and_raise();
        auto* maximise = control<QAbstractButton>(rig.window(), names::main_window::kMaxBtn);
        auto* restore = control<QAbstractButton>(rig.window(), names::main_window::kRestoreBtn);
        maximise->click();
        QVERIFY(rig.window().isMaximized());
        QVERIFY(restore->isVisibleTo(&rig.window()) && !maximise->isVisibleTo(&rig.window()));
        restore->click();
        QVERIFY(!rig.window().isMaximized());
        QVERIFY(maximise->isVisibleTo(&rig.window()) && !restore->isVisibleTo(&rig.window()));
    }

    void gameEventsAlwaysStartTheRestoreTimer() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().handle_game_event("Game_Kill", 7, 0);  // no page shown, unknown wParam
        QVERIFY(rig.window().timer_pending(CMainWnd::kGameEventTimer));
    }

    void tracesMarkTheWindowsLife() {
        TraceLines traces;
        testing::ShellRig rig({traces.sink()});
        QVERIFY(traces.contains("InitWindow"));
        rig.window().initialise();
        // A device's arrival raises the window without posing as a second start.
        rig.shared_bus()->plug(sim::SimProduct::Headset);
        QTRY_VERIFY(rig.window().item(3)->isVisibleTo(&rig.window()));
        QVERIFY(!traces.matches(QRegularExpression("^软件标示 \\d+，0d1d$")));
        rig.window().show_and_raise();
        QVERIFY(traces.matches(QRegularExpression("^软件标示 \\d+，0d1d$")));
        QEnterEvent enter({}, {}, {});
        QCoreApplication::sendEvent(&rig.window(), &enter);
        QVERIFY(traces.contains("鼠标移入"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&rig.window(), &leave);
        QVERIFY(traces.contains("鼠标移出"));
        rig.destroy_window();
        QVERIFY(traces.contains("退出测试"));
    }

    void emulatorPanelPlugsAndUnplugs() {
        testing::ShellRig rig;
        rig.window().initialise();
        DevSimPanel panel(rig.shared_bus());
        auto* headset = panel.findChild<QCheckBox*>("plug_headset");
        QVERIFY(headset != nullptr);
        headset->click();
        QTRY_VERIFY(rig.window().item(3)->isVisibleTo(&rig.window()));
        headset->click();
        QTRY_VERIFY(!rig.window().item(3)->isVisibleTo(&rig.window()));
    }

    void densityFollowsTheMonitor() {
        QCOMPARE(density_for_monitor(1920, 1080), 144);
        QCOMPARE(density_for_monitor(1366, 768), 96);
        QCOMPARE(density_for_monitor(1500, 1080), 96);  // must be wider than 1500
        QCOMPARE(density_for_monitor(2560, 960), 96);   // and taller than 960
        QStringList traced;
        const device::TraceSink trace = [&](std::string_view line) {
            traced << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        };
        QCOMPARE(checked_density(168, "X", trace), 168);
        QCOMPARE(checked_density(100, "MAIN_WND DPI SET ERROR", trace), 96);
        QCOMPARE(traced, QStringList{"MAIN_WND DPI SET ERROR"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
