// The emulator's panel: its fault controls and device buttons reach the emulated hardware,
// and what the hardware did by itself shows on the panel.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "shell/DevSimPanel.h"
#include "sim/SimBus.h"

using ilmo::shell::DevSimPanel;
using ilmo::sim::SimProduct;

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
    }
};

QTEST_MAIN(DevSimPanelTest)
#include "DevSimPanelTest.moc"
