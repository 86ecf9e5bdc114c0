// Synchronised lighting and game events through the main window over the emulator.

#include <QAbstractButton>
#include <QTest>

#include "ShellSupport.h"
#include "keyboard/LightingDevice.h"
#include "presence/DevicePresence.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/ui/Notification.h"
#include "shell/ui/NotificationSink.h"
#include "sim/Firmware.h"

using namespace ilmo;
using namespace ilmo::shell;
using sim::SimProduct;

namespace {

// Page order follows the device option table.
constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;
constexpr int kHeadsetPage = 3;
constexpr int kPageCount = 4;
// The keyboard's settings record keeps its lighting mode here.
constexpr size_t kSettingsMode = 1;
// Generous hang guard for device work.
constexpr int kGuardMs = 15000;

class Rig {
public:
    Rig() {
        rig.window().initialise();
        for (SimProduct product :
             {SimProduct::Mouse, SimProduct::Keyboard, SimProduct::MousePad, SimProduct::Headset})
            rig.bus().plug(product);
    }
    bool all_ready() {
        return QTest::qWaitFor(
            [&] {
                for (int i = 0; i < kPageCount; ++i)
                    if (!rig.window().item(i)->isVisibleTo(&rig.window())) return false;
                return idle();
            },
            kGuardMs);
    }
    bool idle() {
        for (int i = 0; i < kPageCount; ++i)
            if (rig.window().presence()->device_work_running(i)) return false;
        return true;
    }
    keyboard::LightingDevice* device(int page) {
        return dynamic_cast<keyboard::LightingDevice*>(rig.window().page(page)->controller());
    }
    int mode(int page) { return device(page)->lighting().mode; }
    void set_mode(int page, uint8_t mode) {
        device::LightRecord record = device(page)->lighting();
        record.mode = mode;
        QVERIFY(device(page)->change_lighting(record));
    }
    void tick_sync(int page) { rig.window().item(page)->sync_button()->click(); }
    void select(int page) { rig.window().presence()->select_page(page, true, true); }
    void notify(const QString& type, const QString& sender, int wparam = 0) {
        static_cast<ui::NotificationSink&>(rig.window())
            .notify({type, sender, nullptr, wparam, {}});
    }
    int keyboard_mode_on_device() {
        return rig.bus().with_firmware(SimProduct::Keyboard, [](sim::Firmware& f) {
            return int{f.read(sim::FirmwareMemory::Configuration, kSettingsMode, 1).at(0)};
        });
    }
    size_t headset_reports() {
        return rig.bus().packet_log().reports_of(SimProduct::Headset).size();
    }

    testing::ShellRig rig;
};

}  // namespace

class SyncLightingTest : public QObject {
    Q_OBJECT
private slots:
    void theButtonPutsTickedDevicesInTheCommonEffect() {
        Rig w;
        QVERIFY(w.all_ready());
        for (int page = 0; page < kPageCount; ++page) w.tick_sync(page);
        w.select(kKeyboardPage);
        w.set_mode(kKeyboardPage, 5);  // breathing
        w.notify("click", "deng_same_mode");
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kMousePage), 2);
        QCOMPARE(w.mode(kPadPage), 2);
        QCOMPARE(w.mode(kHeadsetPage), 2);
        // Every page previews the one common colour; their own effects rest meanwhile, and
        // the headset, whose frames are made from its lights, is sent them.
        const auto same_colour = [&] {
            const device::ColorRecord first = w.device(kKeyboardPage)->color(0);
            for (int page = 0; page < kPageCount; ++page) {
                keyboard::LightingDevice* d = w.device(page);
                if (d->color(0) != first || d->color(d->light_count() - 1) != first) return false;
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(same_colour(), kGuardMs);
        QVERIFY(w.device(kMousePage)->preview_paused());
        const size_t frames = w.headset_reports();
        QTRY_VERIFY_WITH_TIMEOUT(w.headset_reports() > frames, kGuardMs);

        // A device whose choice is cleared keeps its lighting; its own effect runs again.
        w.tick_sync(kPadPage);
        QVERIFY(!w.device(kPadPage)->preview_paused());
        const device::LightRecord steady{
            .mode = 6, .brightness = 4, .red = 1, .green = 2, .blue = 3};
        QVERIFY(w.device(kKeyboardPage)->change_lighting(steady));
        w.notify("click", "deng_same_mode");
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kMousePage), 3);
        QCOMPARE(w.mode(kHeadsetPage), 3);
        QCOMPARE(w.mode(kPadPage), 2);
        QTRY_COMPARE_WITH_TIMEOUT(w.device(kMousePage)->color(0),
                                  (device::ColorRecord{1, 2, 3, 255}), kGuardMs);
        QVERIFY(w.device(kPadPage)->color(0) != (device::ColorRecord{1, 2, 3, 255}));

        // A mode without a common effect starts nothing.
        w.set_mode(kKeyboardPage, 12);
        w.notify("click", "deng_same_mode");
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kMousePage), 3);
    }

    void aGameLightsTheDeviceUntilTheRestoreTimer() {
        Rig w;
        QVERIFY(w.all_ready());
        w.tick_sync(kKeyboardPage);
        w.tick_sync(kMousePage);
        w.select(kKeyboardPage);
        w.set_mode(kKeyboardPage, 5);
        w.rig.window().handle_game_event("Game_Start", 0, 0x0107);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kKeyboardPage), 7);
        QCOMPARE(w.keyboard_mode_on_device(), 7);
        // The game's lighting passes: the profile keeps the user's.
        QCOMPARE(w.device(kKeyboardPage)->stored_lighting().mode, 5);
        QVERIFY(!w.device(kKeyboardPage)->sync_flag());
        QVERIFY(!w.rig.window().item(kKeyboardPage)->sync_chosen());
        // A second event before the restore keeps the mode to return to, also one lighting
        // over the stored record.
        w.rig.window().handle_game_event("Game_Kill", 1, 9);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.keyboard_mode_on_device(), 9);
        QVERIFY(w.rig.window().timer_pending(CMainWnd::kGameEventTimer));
        // The restore timer, driven at once instead of waited for.
        w.notify("timer", {}, CMainWnd::kGameEventTimer);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kKeyboardPage), 5);
        QCOMPARE(w.keyboard_mode_on_device(), 5);
        // A mode past 20 is not returned to: the first mode is.
        w.set_mode(kKeyboardPage, 23);
        w.rig.window().handle_game_event("Game_Death", 0, 7);
        w.notify("timer", {}, CMainWnd::kGameEventTimer);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.keyboard_mode_on_device(), 1);
        // An event with another wParam changes nothing.
        w.rig.window().handle_game_event("Game_End", 5, 7);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kKeyboardPage), 1);

        // The user switches pages between two events: both pages get their lighting back,
        // also the one the game lit over its stored lighting.
        w.set_mode(kMousePage, 6);
        w.select(kMousePage);
        w.rig.window().handle_game_event("Game_Start", 2, 7);
        w.select(kKeyboardPage);
        w.rig.window().handle_game_event("Game_Kill", 0, 9);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kMousePage), 7);
        w.notify("timer", {}, CMainWnd::kGameEventTimer);
        QTRY_VERIFY_WITH_TIMEOUT(w.idle(), kGuardMs);
        QCOMPARE(w.mode(kMousePage), 6);
        QCOMPARE(w.mode(kKeyboardPage), 1);
    }
};

QTEST_MAIN(SyncLightingTest)
#include "SyncLightingTest.moc"
