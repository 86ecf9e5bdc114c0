#include <QAbstractButton>
#include <QStackedWidget>
#include <QTest>

#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/DevSimPanel.h"
#include <QCheckBox>
#include "ShellSupport.h"
#include "shell/Density.h"
#include "shell/names/MainWindowNames.h"
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

int visible_items(CMainWnd& window) {
    int shown = 0;
    for (int i = 0; i < window.page_count(); ++i) shown += window.item(i)->isVisibleTo(&window);
    return shown;
}

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

    void closeButtonKeepsTheProgramReachable() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().show_and_raise();
        auto* close = control<QAbstractButton>(rig.window(), names::main_window::kCloseBtn);
        QTest::mouseClick(close, Qt::LeftButton);
        // Without a tray (as here) the window goes to the task bar instead of vanishing.
        QVERIFY(rig.window().isMinimized());
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
