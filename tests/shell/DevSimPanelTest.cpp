// The emulator's panel: its fault controls and device buttons reach the emulated hardware,
// and what the hardware did by itself shows on the panel.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "shell/DevSimPanel.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

using ilmo::shell::DevSimPanel;
using ilmo::sim::SimProduct;

namespace {

// The next event code on an event handle; -1 when none comes.
int next_event(ilmo::device::HidHandle& events) {
    std::vector<uint8_t> report(3);
    size_t transferred = 0;
    if (events.read(report, transferred, 0) != 1 || transferred != 3) return -1;
    return report[1] | report[2] << 8;
}

}  // namespace

class DevSimPanelTest : public QObject {
    Q_OBJECT
private slots:
    void faultControlsEachSetTheirFieldOfTheOneProduct() {
        auto bus = std::make_shared<ilmo::sim::SimBus>();
        bus->plug_all();
        DevSimPanel panel(bus);
        panel.findChild<QCheckBox*>("fault_silent_keyboard-receiver")->setChecked(true);
        panel.findChild<QCheckBox*>("fault_echo_keyboard-receiver")->setChecked(true);
        panel.findChild<QComboBox*>("fault_status_keyboard-receiver")->setCurrentIndex(2);
        panel.findChild<QSpinBox*>("fault_slow_keyboard-receiver")->setValue(300);
        panel.findChild<QPushButton*>("fault_pull_keyboard-receiver")->click();
        const auto faults = bus->faults(SimProduct::KeyboardReceiver);
        QVERIFY(faults.no_answer);
        QVERIFY(faults.wrong_echo);
        QCOMPARE(faults.forced_status, 0xFE);
        QCOMPARE(faults.response_delay_ms, 300);
        QCOMPARE(faults.unplug_after_packets, 1);
        QVERIFY(!bus->faults(SimProduct::Keyboard).no_answer);  // the cable route is another
        QVERIFY(panel.findChild<QCheckBox*>("fault_silent_headset") == nullptr);

        panel.findChild<QCheckBox*>("fault_silent_keyboard-receiver")->setChecked(false);
        QVERIFY(!bus->faults(SimProduct::KeyboardReceiver).no_answer);
        QCOMPARE(bus->faults(SimProduct::KeyboardReceiver).forced_status, 0xFE);
    }

    void panelFollowsWhatTheBusDidByItself() {
        auto bus = std::make_shared<ilmo::sim::SimBus>();
        bus->plug_all();
        DevSimPanel panel(bus);
        auto* pull = panel.findChild<QPushButton*>("fault_pull_mouse");
        pull->click();
        // The armed pull fires: the mouse is gone and the fault spent.
        bus->unplug(SimProduct::Mouse);
        bus->set_faults(SimProduct::Mouse, {});
        bus->switch_dpi_stage(SimProduct::MouseReceiver, 4);
        panel.sync_from_bus();
        QVERIFY(!panel.findChild<QCheckBox*>("plug_mouse")->isChecked());
        QVERIFY(!pull->isChecked());
        QCOMPARE(panel.findChild<QComboBox*>("button_dpi_mouse")->currentIndex(), 4);

        // With its cable out, the mouse's profile button still reaches the mouse.
        auto* profile = panel.findChild<QComboBox*>("button_profile_mouse");
        profile->setCurrentIndex(2);
        emit profile->activated(2);
        QCOMPARE(bus->with_firmware(SimProduct::Mouse,
                                    [](ilmo::sim::Firmware& f) { return f.active_profile(); }),
                 2);

        // The sensor combo fits the mouse with another sensor, and shows one fitted by others.
        auto* sensor = panel.findChild<QComboBox*>("mouse_sensor");
        sensor->setCurrentIndex(1);
        emit sensor->activated(1);
        const auto sensor_id = [&bus] {
            return bus->with_firmware(SimProduct::Mouse, [](ilmo::sim::Firmware& f) {
                const auto id = f.read(ilmo::sim::FirmwareMemory::Information, 9, 2);
                return id[0] | id[1] << 8;
            });
        };
        QCOMPARE(sensor_id(), 0x3360);
        bus->set_sensor(SimProduct::MouseReceiver, ilmo::sim::kHighDpiSensor);
        panel.sync_from_bus();
        QCOMPARE(sensor->currentIndex(), 0);
    }

    void eventButtonsSendTheirCodesThroughWhateverReachesTheHost() {
        auto bus = std::make_shared<ilmo::sim::SimBus>();
        bus->plug_all();
        ilmo::sim::SimBackend backend(bus);
        auto keyboard = backend.open(bus->event_path(SimProduct::Keyboard), {});
        auto receiver = backend.open(bus->event_path(SimProduct::KeyboardReceiver), {});
        auto pad = backend.open(bus->event_path(SimProduct::MousePad), {});
        QVERIFY(keyboard && receiver && pad);
        DevSimPanel panel(bus);
        auto* source = panel.findChild<QComboBox*>("event_source");

        panel.findChild<QPushButton*>("event_resync")->click();
        QCOMPARE(next_event(*keyboard), 0x0401);
        auto* key = panel.findChild<QPushButton*>("event_key");
        panel.findChild<QSpinBox*>("event_key_position")->setValue(5);
        QTest::mousePress(key, Qt::LeftButton);
        QCOMPARE(next_event(*keyboard), 0x0505);
        QTest::mouseRelease(key, Qt::LeftButton);
        QCOMPARE(next_event(*keyboard), 0x0605);

        bus->unplug(SimProduct::Keyboard);
        panel.findChild<QPushButton*>("event_resync_changed")->click();
        QCOMPARE(next_event(*receiver), 0x0402);

        source->setCurrentIndex(2);
        panel.findChild<QPushButton*>("event_keep_alive")->click();
        QCOMPARE(next_event(*pad), 0x0404);
        QCOMPARE(next_event(*receiver), -1);

        // The mouse, by cable and then through its receiver; any code can be sent by hand.
        auto mouse = backend.open(bus->event_path(SimProduct::Mouse), {});
        auto mouse_receiver = backend.open(bus->event_path(SimProduct::MouseReceiver), {});
        QVERIFY(mouse && mouse_receiver);
        source->setCurrentIndex(1);
        panel.findChild<QPushButton*>("event_reactive_flash")->click();
        QCOMPARE(next_event(*mouse), 0x0403);
        bus->unplug(SimProduct::Mouse);
        panel.findChild<QSpinBox*>("event_code")->setValue(0x1234);
        panel.findChild<QPushButton*>("event_send_code")->click();
        QCOMPARE(next_event(*mouse_receiver), 0x1234);
        QCOMPARE(next_event(*pad), -1);

        panel.findChild<QSpinBox*>("event_release_number")->setValue(0x010F);
        QCOMPARE(bus->attributes(SimProduct::Keyboard).version_number, 0x010F);
    }
};

QTEST_MAIN(DevSimPanelTest)
#include "DevSimPanelTest.moc"
