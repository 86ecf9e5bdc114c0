// The keyboard, mouse and mouse-pad pages end to end: the real main window, its presence and item
// timers, and the emulated devices behind them. What the user does on a page reaches the
// device, what the device says reaches the page, and a device pulled in the middle of a write
// leaves the window working. The bytes of each record are the controller tests' business;
// here a few of them show that the whole way is wired.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <atomic>
#include <fstream>

#include "ShellSupport.h"
#include "device/CommandPacket.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/KeyMaps.h"
#include "mouse/CTavrinMouseDevice.h"
#include "presence/DevicePresence.h"
#include "profiles/JsonFile.h"
#include "profiles/ProfileList.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/CMpDevicePowerUI.h"
#include "shell/names/KeyboardSystemNames.h"
#include "shell/names/MainWindowNames.h"
#include "shell/names/PowerIndicatorNames.h"
#include "shell/names/ProfilePanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/ControlLookup.h"

using namespace ilmo;
using namespace ilmo::shell;
using sim::FirmwareMemory;
using sim::SimProduct;

namespace {

constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;
constexpr int kKeyA = 64;  // page key indexes
constexpr int kKeyF = 67;
constexpr int kPadLights = 15;
constexpr int kMouseLights = 15;
// Bytes of the mouse's settings block: its polling rate.
constexpr int kBlockPollingRate = 11;
// Bytes of the keyboard's settings record: its mode, and the system options (W-key, six-key,
// Windows-key lock, polling rate).
constexpr int kSettingsMode = 1;
constexpr int kSettingsOptions = 19;
constexpr int kSettingsWinLock = 21;
// Generous hang guard for whatever runs as device work.
constexpr int kDeviceWorkGuardMs = 15000;

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

// Every request the keyboard's channel sends, as the trace shows it: once the first request
// of `command` goes out, the keyboard is pulled one packet later.
class PullDuring {
public:
    explicit PullDuring(device::Command command) : command_(static_cast<uint8_t>(command)) {}
    device::TraceSink sink() {
        return [this](std::string_view line) {
            sim::SimBus* bus = bus_.load();
            if (bus == nullptr || armed_ || !line.starts_with("命令\n")) return;
            // "命令\n" then the packet in hex, four bytes to a group: byte 3 is the command.
            const size_t command_at = std::string_view("命令\n").size() + 6;
            if (line.substr(command_at, 2) != hex(command_)) return;
            armed_ = true;
            bus->set_faults(SimProduct::Keyboard, {.unplug_after_packets = 1});
        };
    }
    void watch(sim::SimBus& bus) { bus_ = &bus; }
    bool armed() const { return armed_; }

private:
    static std::string hex(uint8_t byte) {
        char text[3];
        std::snprintf(text, sizeof text, "%02x", byte);
        return text;
    }
    uint8_t command_;
    std::atomic<sim::SimBus*> bus_{nullptr};
    std::atomic<bool> armed_{false};
};

// The main window with its pages over the emulator.
class Window {
public:
    explicit Window(testing::RigOptions options = {}) : rig(std::move(options)) {}

    CDevicePage* page(int index) { return rig.window().page(index); }
    keyboard::CTavrinKeyboardDevice* keyboard() {
        return static_cast<keyboard::CTavrinKeyboardDevice*>(page(kKeyboardPage)->controller());
    }
    mouse::CTavrinMouseDevice* mouse() {
        return static_cast<mouse::CTavrinMouseDevice*>(page(kMousePage)->controller());
    }
    bool item_shown(int index) { return rig.window().item(index)->isVisibleTo(&rig.window()); }
    bool work_running(int index) { return rig.window().presence()->device_work_running(index); }
    std::filesystem::path profile_folder() {
        return keyboard()->folders().profile_folder(keyboard()->device_folder_name());
    }
    QComboBox* profile_combo(int index) {
        return ui::find_control<QComboBox>(page(index), latin(names::profile_panel::kProfileCombo));
    }
    template <class T>
    T* page_control(int index, const char* name) {
        return ui::find_control<T>(page(index), latin(name));
    }

    // Plugs `product` and waits until its page has read the device and its work is done.
    bool arrive(SimProduct product, int index) {
        rig.bus().plug(product);
        return QTest::qWaitFor(
            [&] { return item_shown(index) && !work_running(index) && page_loaded(index); },
            kDeviceWorkGuardMs);
    }

    std::vector<uint8_t> memory(SimProduct product, FirmwareMemory which, size_t offset,
                                size_t size) {
        return rig.bus().with_firmware(
            product, [&](sim::Firmware& f) { return f.read(which, offset, size); });
    }
    // Where the keyboard keeps page key `key`, from its own factory tables.
    keyboard::KeyMaps key_maps() {
        return keyboard::build_key_maps(
            memory(SimProduct::Keyboard, FirmwareMemory::FactoryTable, 0, 512), 126,
            memory(SimProduct::Keyboard, FirmwareMemory::LedTable, 0, 170));
    }

    // The colours the page's light controls show now.
    std::vector<QRgb> shown_lights(int index, int count) {
        std::vector<QRgb> shown;
        for (int i = 0; i < count; ++i) {
            const ui::CDeviceKeyButtonUI* light = page(index)->light_control(i);
            shown.push_back(light != nullptr ? light->shown_color().rgb() : 0);
        }
        return shown;
    }
    bool lights_move(int index, int count) {
        const std::vector<QRgb> before = shown_lights(index, count);
        return QTest::qWaitFor([&] { return shown_lights(index, count) != before; }, 5000);
    }

    testing::ShellRig rig;

private:
    bool page_loaded(int index) {
        if (index == kKeyboardPage) return keyboard()->loaded();
        return index != kMousePage || mouse()->loaded();
    }
};

// A second keyboard profile the user can switch to: the per-key mode with its first key's
// colour, a macro on A, and `macro_events` events in that macro. Empty when it could not be
// written.
std::filesystem::path add_second_profile(Window& w, int macro_events) {
    CDeviceProfileUI* panel = w.page(kKeyboardPage)->profile_panel();
    if (!panel->list()->add_new().done()) return {};
    panel->reload_list();
    const std::filesystem::path document = panel->list()->document_path(1);
    Json::Value doc = profiles::read_json_file(document);
    Json::Value& device = doc["Device"][0];
    device["LightInfo"]["SelectItem"] = 20;
    device["KeyList"][kKeyA]["Assignment"] = 0x700000 + 0x0001;  // macro 0, once
    Json::Value& colour = device["CustomLightMode"]["LightColorInfo"][0][0];
    colour = Json::Value(Json::objectValue);
    colour["Red"] = 200;
    if (!profiles::write_json_file(document, doc)) return {};

    std::ofstream(w.profile_folder() / "macro.config")
        << R"({"MacroInfo": [{"MacroName": "m", "Guid": "g1"}]})";
    std::ofstream macro(w.profile_folder() / "g1.mac");
    macro << R"({"Events": [)";
    for (int e = 0; e < macro_events; ++e)
        macro << (e ? "," : "") << R"({"Action": ")" << (e % 2 ? "up" : "down")
              << R"(", "Type": 10, "Button": 4, "Delay": "20"})";
    macro << "]}";
    macro.close();
    w.keyboard()->reload_config_lists();
    return document;
}

// Chooses profile `index` in the page's drop-down, as the user does.
void choose_profile(Window& w, int index) {
    QComboBox* combo = w.profile_combo(kKeyboardPage);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class DevicePagesEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void arrivingKeyboardShowsItsStateAndAnimates() {
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
        QCOMPARE(w.page(kKeyboardPage)->key_button(0)->text(),
                 w.rig.skin().text(u"keyboard_key_Esc"));
        // The factory keeps polling step 3 and runs the spectrum wheel.
        QVERIFY(
            w.page_control<QAbstractButton>(kKeyboardPage, "polling_rate_option_3")->isChecked());
        QCOMPARE(w.keyboard()->lighting().mode, 4);
        QVERIFY(w.lights_move(kKeyboardPage, 126));
    }

    void profileSwitchWritesTheKeyboard() {
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
        QVERIFY(!add_second_profile(w, 3).empty());
        choose_profile(w, 1);
        QTRY_COMPARE_WITH_TIMEOUT(
            w.memory(SimProduct::Keyboard, FirmwareMemory::Configuration, kSettingsMode, 1)[0], 20,
            kDeviceWorkGuardMs);
        QTRY_VERIFY(!w.work_running(kKeyboardPage));

        const keyboard::KeyMaps maps = w.key_maps();
        const size_t a = maps.key_position[kKeyA];
        QCOMPARE(w.memory(SimProduct::Keyboard, FirmwareMemory::ActiveTable, a * 3, 3),
                 (std::vector<uint8_t>{0x70, 0, 1}));
        QCOMPARE(w.memory(SimProduct::Keyboard, FirmwareMemory::Macros, 0, 2),
                 (std::vector<uint8_t>{0xAA, 0x55}));
        QCOMPARE(w.memory(SimProduct::Keyboard, FirmwareMemory::Records, maps.light_led[0] * 3u, 3),
                 (std::vector<uint8_t>{200, 0, 0}));
        QCOMPARE(w.keyboard()->lighting().mode, 20);
    }

    void deviceEventsChangeThePage() {
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
        // Another program gave the model a second profile behind the panel's back.
        profiles::TimestampIdSource identifiers;
        profiles::ProfileList elsewhere(
            w.profile_folder(),
            w.keyboard()->folders().default_profile_file(w.keyboard()->device_folder_name()), 1,
            identifiers);
        QVERIFY(elsewhere.initialise().done());
        QVERIFY(elsewhere.add_new().done());

        // 0x0401: the keyboard's record is read again through the item's page timer.
        w.rig.bus().with_firmware(SimProduct::Keyboard, [](sim::Firmware& f) {
            const uint8_t mode = 12;
            return f.write(FirmwareMemory::Configuration, kSettingsMode, {&mode, 1});
        });
        QVERIFY(w.rig.bus().send_event(SimProduct::Keyboard, 0x0401));
        QTRY_COMPARE(w.keyboard()->lighting().mode, 12);
        QTRY_VERIFY(!w.work_running(kKeyboardPage));
        QCOMPARE(w.profile_combo(kKeyboardPage)->count(), 1);
        // 0x0402 reads the profile list too.
        QVERIFY(w.rig.bus().send_event(SimProduct::Keyboard, 0x0402));
        QTRY_COMPARE(w.profile_combo(kKeyboardPage)->count(), 2);

        // The keyboard's own profile button: the page shows that profile's mode.
        QTRY_VERIFY(!w.work_running(kKeyboardPage));
        QVERIFY(w.rig.bus().switch_profile(SimProduct::Keyboard, 2));
        QTRY_COMPARE(w.keyboard()->onboard_profile(), 2);
        QTRY_COMPARE(w.keyboard()->lighting().mode, 5);
        QTRY_VERIFY(!w.work_running(kKeyboardPage));

        // In a reactive mode a key pressed on the keyboard lights up on the page.
        device::LightRecord reactive = w.keyboard()->lighting();
        reactive.mode = 7;
        QVERIFY(w.keyboard()->change_lighting(reactive));
        const ui::CDeviceKeyButtonUI* f = w.page(kKeyboardPage)->light_control(kKeyF);
        QTRY_COMPARE(f->shown_color().rgb(), qRgb(0, 0, 0));
        QVERIFY(
            w.rig.bus().press_key(SimProduct::Keyboard, w.key_maps().key_position[kKeyF], true));
        QTRY_VERIFY(f->shown_color().rgb() != qRgb(0, 0, 0));
    }

    void unplugInTheMiddleOfAWriteLeavesAWorkingWindow_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("macro_events");
        QTest::newRow("table write") << int(device::Command::WriteSecondTable) << 3;
        QTest::newRow("macro stream") << int(device::Command::WriteStream) << 40;
    }
    void unplugInTheMiddleOfAWriteLeavesAWorkingWindow() {
        QFETCH(int, command);
        QFETCH(int, macro_events);
        PullDuring pull(static_cast<device::Command>(command));
        Window w({pull.sink()});
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
        const std::filesystem::path second = add_second_profile(w, macro_events);
        QVERIFY(!second.empty());
        // What the page's write reports, seen on the window's own way to the device.
        CDevicePage* page = w.page(kKeyboardPage);
        std::vector<device::Result> outcomes;
        DeviceHooks hooks = page->device_hooks();
        hooks.run_device_work = [run = hooks.run_device_work, &outcomes](auto work, auto apply) {
            run(
                [work, &outcomes] {
                    const device::Result outcome = work();
                    outcomes.push_back(outcome);
                    return outcome;
                },
                apply);
        };
        page->set_device_hooks(hooks);
        pull.watch(w.rig.bus());

        choose_profile(w, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!w.item_shown(kKeyboardPage), kDeviceWorkGuardMs);
        QTRY_VERIFY_WITH_TIMEOUT(!w.work_running(kKeyboardPage), kDeviceWorkGuardMs);
        QVERIFY(pull.armed());
        QCOMPARE(outcomes.size(), size_t{1});
        QVERIFY(!device::succeeded(outcomes[0]));
        // The page keeps showing the profile the user chose.
        QCOMPARE(w.profile_combo(kKeyboardPage)->currentIndex(), 1);
        QCOMPARE(page->profile_data()->document_path(), second);
        QCOMPARE(w.keyboard()->lighting().mode, 20);
        QVERIFY(!w.keyboard()->command_channel().is_open());
        // And the window goes on: the keyboard comes back and is read again.
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
    }

    void padPageAnimatesItsLightsAndShowsItsPower() {
        Window w;
        w.rig.window().initialise();
        w.rig.bus().set_power_status(SimProduct::MousePad,
                                     {.battery_percent = 40, .phone_type = 2});
        QVERIFY(w.arrive(SimProduct::MousePad, kPadPage));
        auto* stack = ui::find_control<QStackedWidget>(
            &w.rig.window(), latin(names::main_window::kDevicePowerSwitch));
        auto* indicator = qobject_cast<CMpDevicePowerUI*>(stack->widget(kPadPage + 1));
        auto* value =
            ui::find_control<QLabel>(indicator, latin(names::power_indicator::kPowerValue));
        auto* phone =
            ui::find_control<QLabel>(indicator, latin(names::power_indicator::kPhoneTypeImage));
        const auto phone_text = [&](const char* key) { return w.rig.skin().text(latin(key)); };
        QTRY_COMPARE(value->text(), QString("40%"));
        QCOMPARE(phone->toolTip(), phone_text(names::power_indicator::kPhoneSamsungText));
        QVERIFY(w.lights_move(kPadPage, kPadLights));

        // The pad asks to be read again: its power is read with its record.
        w.rig.bus().set_power_status(SimProduct::MousePad, {.battery_percent = 55});
        QVERIFY(w.rig.bus().send_event(SimProduct::MousePad, 0x0401));
        QTRY_COMPARE(value->text(), QString("55%"));
        QCOMPARE(phone->toolTip(), phone_text(names::power_indicator::kPhoneNoDeviceText));
    }

    void hiddenWindowRestsThePreview() {
        Window w({{}, true});  // with a tray, the close button hides the window
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Keyboard, kKeyboardPage));
        QVERIFY(w.lights_move(kKeyboardPage, 126));
        ui::find_control<QAbstractButton>(&w.rig.window(), latin(names::main_window::kCloseBtn))
            ->click();
        QVERIFY(!w.rig.window().isVisible());
        // A step already running may still land; after that nothing changes.
        std::vector<QRgb> rested = w.shown_lights(kKeyboardPage, 126);
        QVERIFY(QTest::qWaitFor(
            [&] {
                QTest::qWait(150);
                std::vector<QRgb> now = w.shown_lights(kKeyboardPage, 126);
                const bool still = now == rested;
                rested = std::move(now);
                return still;
            },
            5000));
        QTest::qWait(400);
        QCOMPARE(w.shown_lights(kKeyboardPage, 126), rested);
        w.rig.window().show_and_raise();
        QVERIFY(w.lights_move(kKeyboardPage, 126));
    }

    void systemOptionReachesTheKeyboardOnlyByCable_data() {
        QTest::addColumn<int>("product");
        QTest::newRow("cable") << int(SimProduct::Keyboard);
        QTest::newRow("receiver") << int(SimProduct::KeyboardReceiver);
    }
    void systemOptionReachesTheKeyboardOnlyByCable() {
        QFETCH(int, product);
        const auto link = static_cast<SimProduct>(product);
        const bool by_cable = link == SimProduct::Keyboard;
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(link, kKeyboardPage));
        const auto record = [&] {
            return w.memory(link, FirmwareMemory::Configuration, kSettingsOptions, 4);
        };
        const std::vector<uint8_t> before = record();
        auto* win_lock =
            w.page_control<QAbstractButton>(kKeyboardPage, names::keyboard_system::kWinLockOption);
        const bool locked = !win_lock->isChecked();
        win_lock->click();
        const std::filesystem::path document =
            w.page(kKeyboardPage)->profile_data()->document_path();
        QTRY_COMPARE(
            profiles::read_json_file(document)["Device"][0]["SystemStages"]["WinFlag"].asInt(),
            int(locked));
        // A write, had one started with the click, has ended by now.
        QTRY_VERIFY(!w.work_running(kKeyboardPage));
        std::vector<uint8_t> expected = before;
        if (by_cable) expected[kSettingsWinLock - kSettingsOptions] = locked;
        QCOMPARE(record(), expected);
    }

    void mouseProfileSwitchWritesBlockButtonsAndMacros() {
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::Mouse, kMousePage));
        QVERIFY(w.lights_move(kMousePage, kMouseLights));
        CDeviceProfileUI* panel = w.page(kMousePage)->profile_panel();
        QVERIFY(panel->list()->add_new().done());
        panel->reload_list();
        const std::filesystem::path second = panel->list()->document_path(1);
        Json::Value doc = profiles::read_json_file(second);
        doc["Device"][0]["KeyList"][3]["Assignment"] = 0x700001;  // forward plays macro 0
        doc["Device"][0]["ReportStages"]["StageActive"] = 1;
        QVERIFY(profiles::write_json_file(second, doc));
        const auto folder = w.mouse()->folders().profile_folder(w.mouse()->device_folder_name());
        std::ofstream(folder / "macro.config") << R"({"MacroInfo": [{"MacroName": "m", "Guid": "g"}]})";
        std::ofstream(folder / "g.mac")
            << R"({"Events": [{"Action": "down", "Type": 10, "Button": 4, "Delay": "20"}]})";
        w.mouse()->reload_config_lists();

        QComboBox* combo = w.profile_combo(kMousePage);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QTRY_COMPARE_WITH_TIMEOUT(
            w.memory(SimProduct::Mouse, FirmwareMemory::Configuration, kBlockPollingRate, 1)[0], 1,
            kDeviceWorkGuardMs);
        QTRY_VERIFY(!w.work_running(kMousePage));
        const size_t forward = static_cast<size_t>(w.mouse()->slot_map()[3]);
        QCOMPARE(w.memory(SimProduct::Mouse, FirmwareMemory::ActiveTable, forward * 3, 3),
                 (std::vector<uint8_t>{0x70, 0, 1}));
        QCOMPARE(w.memory(SimProduct::Mouse, FirmwareMemory::Macros, 0, 2),
                 (std::vector<uint8_t>{0xAA, 0x55}));
    }

    void receiverMouseOutOfReachIsHiddenAndItsChangesFollowItBack() {
        Window w;
        w.rig.window().initialise();
        QVERIFY(w.arrive(SimProduct::MouseReceiver, kMousePage));
        const auto polling = [&] {
            return w.memory(SimProduct::MouseReceiver, FirmwareMemory::Configuration,
                            kBlockPollingRate, 1)[0];
        };
        QCOMPARE(polling(), 3);
        w.rig.bus().set_device_linked(SimProduct::MouseReceiver, false);
        QTRY_VERIFY_WITH_TIMEOUT(!w.item_shown(kMousePage), kDeviceWorkGuardMs);

        w.page_control<QAbstractButton>(kMousePage, "polling_rate_option_1")->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.mouse()->writes_blocked() && !w.work_running(kMousePage),
                                 kDeviceWorkGuardMs);
        QCOMPARE(polling(), 3);
        auto* notice = w.page_control<QLabel>(kMousePage, "device_tishi_info");
        QTRY_VERIFY(!notice->text().isEmpty());

        w.rig.bus().set_device_linked(SimProduct::MouseReceiver, true);
        QTRY_VERIFY_WITH_TIMEOUT(w.item_shown(kMousePage), kDeviceWorkGuardMs);
        QTRY_COMPARE_WITH_TIMEOUT(polling(), 1, kDeviceWorkGuardMs);
        QTRY_VERIFY(notice->text().isEmpty());
    }
};

QTEST_MAIN(DevicePagesEndToEndTest)
#include "DevicePagesEndToEndTest.moc"
