// The mouse page's settings area against the shipped layout: a page state shows on the
// controls, the user's changes come back as the right calls, and in the real window a
// change reaches the emulated mouse.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>
#include <thread>

#include "ShellSupport.h"
#include "mouse/CTavrinMouseDevice.h"
#include "presence/DevicePresence.h"
#include "profiles/JsonFile.h"
#include "shell/CDevicePage.h"
#include "shell/MousePageBinding.h"
#include "shell/Application.h"
#include "shell/CMouseSettingsUI.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/MouseSettingsNames.h"
#include "shell/names/PalletDialogNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/NotificationSink.h"

using namespace ilmo;
using namespace ilmo::shell;
namespace settings_names = names::mouse_settings;

namespace {

constexpr int kMousePage = 0;
// Generous hang guard for whatever runs as device work.
constexpr int kDeviceWorkGuardMs = 15000;

QString latin(const char* text) { return QString::fromLatin1(text); }

// The mouse layout with the settings area on it, its notifications routed to the area.
class MouseSettings : public ui::NotificationSink {
public:
    MouseSettings() : skin_(testing::program_folder()) {
        register_program_controls(skin_);
        skin_.install_style();  // the "skin:" images
        root_.reset(skin_.build(latin(names::device_page::kMouse.ui_file), nullptr, this));
        Q_ASSERT(root_ != nullptr);
        skin_.style_window(root_.get());  // as the main window it sits in gives it
        area = std::make_unique<CMouseSettingsUI>(
            root_.get(), [this](QStringView key) { return skin_.text(key); });
    }
    void notify(const ui::Notification& n) override {
        if (area) area->handle_notification(n);
    }

    template <class T>
    T* control(const char* prefix, int index) {
        return ui::find_control<T>(root_.get(), latin(prefix) + QString::number(index));
    }
    template <class T>
    T* control(const char* name) {
        return ui::find_control<T>(root_.get(), latin(name));
    }
    QString text(const char* key) const { return skin_.text(QString::fromLatin1(key)); }

    std::unique_ptr<CMouseSettingsUI> area;

private:
    SkinResources skin_;
    std::unique_ptr<QWidget> root_;
};

// Three stages: 0 on, 1 off, 2 on and current; 3 and 4 not in the profile.
mouse::MousePageState three_stages() {
    mouse::MousePageState state;
    state.current_stage = 2;
    state.slider_max = 60;
    state.edit_min = 100;
    state.edit_max = 12000;
    state.polling_rate = 4;
    state.stages[0] = {true, true, true, false, 10, "1100", mouse::kOtherStageThumb, 0xFFFF8000};
    state.stages[1] = {true, false, true, false, 20, "2100", mouse::kOtherStageThumb, 0xFF00FF00};
    // The view leaves the current stage's check usable: the area must not.
    state.stages[2] = {true, true, true, true, 30, "3100", mouse::kCurrentStageThumb, 0xFF0000FF};
    state.pointer = {.double_click_ms = 400,
                     .pointer_speed = 14,
                     .pointer_precision = false,
                     .scroll_by_page = true,
                     .wheel_lines = 5};
    return state;
}

QRgb centre_colour(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixel(image.rect().center()) & 0xFFFFFF;
}

}  // namespace

class MousePageTest : public QObject {
    Q_OBJECT
private slots:
    void aPageStateShowsOnTheControls() {
        MouseSettings ms;
        ms.area->show(three_stages());
        const auto enable = [&](int i) { return ms.control<QAbstractButton>(settings_names::kEnablePrefix, i); };
        const auto select = [&](int i) { return ms.control<QAbstractButton>(settings_names::kSelectPrefix, i); };
        const auto slider = [&](int i) { return ms.control<QSlider>(settings_names::kSliderPrefix, i); };
        const auto edit = [&](int i) { return ms.control<QLineEdit>(settings_names::kEditPrefix, i); };

        QVERIFY(!enable(2)->isEnabled());  // the current stage cannot be switched off
        QVERIFY(enable(2)->isChecked());
        QVERIFY(enable(0)->isEnabled() && enable(0)->isChecked());
        QVERIFY(!enable(1)->isChecked());
        QVERIFY(select(2)->isChecked() && !select(0)->isChecked());
        QVERIFY(!select(1)->isEnabled());  // a stage that is off cannot be chosen
        QVERIFY(slider(2)->styleSheet().contains(latin(mouse::kCurrentStageThumb)));
        QVERIFY(slider(0)->styleSheet().contains(latin(mouse::kOtherStageThumb)));
        QCOMPARE(slider(0)->maximum(), 60);
        QCOMPARE(slider(4)->maximum(), 60);
        QCOMPARE(slider(2)->value(), 30);
        QCOMPARE(edit(2)->text(), QString("3100"));
        QCOMPARE(edit(4)->text(), QString());
        const auto* range = qobject_cast<const QIntValidator*>(edit(0)->validator());
        QVERIFY(range && range->bottom() == 100 && range->top() == 12000);
        QCOMPARE(centre_colour(ms.control<QWidget>(settings_names::kColourPrefix, 0)), 0xFF8000u);
        // A row past the list stays usable so that its slider can add the stage.
        QVERIFY(slider(4)->isEnabled());

        QVERIFY(ms.control<QAbstractButton>(settings_names::kPollingPrefix, 4)->isChecked());
        QCOMPARE(ms.control<QSlider>(settings_names::kPointerSpeedSlider)->value(), 14);
        QCOMPARE(ms.control<QSlider>(settings_names::kScrollSpeedSlider)->value(), 5);
        QCOMPARE(ms.control<QSlider>(settings_names::kDoubleClickSlider)->value(), 400);
        QVERIFY(ms.control<QAbstractButton>(settings_names::kScrollsPageCheck)->isChecked());
        QVERIFY(!ms.control<QAbstractButton>(settings_names::kPointerPrecisionCheck)->isChecked());

        auto* notice = ms.control<QLabel>(settings_names::kNotice);
        QVERIFY(notice->isHidden());
        mouse::MousePageState blocked = three_stages();
        blocked.writes_blocked = true;
        blocked.polling_rate = 9;  // a rate without an option shows as the first
        ms.area->show(blocked);
        QVERIFY(!notice->isHidden());
        QCOMPARE(notice->text(), ms.text(settings_names::kOutOfReachText));
        QVERIFY(ms.control<QAbstractButton>(settings_names::kPollingPrefix, 0)->isChecked());
        ms.area->show(three_stages());
        QVERIFY(notice->isHidden());
    }

    void userChangesBecomeCalls() {
        MouseSettings ms;
        QStringList calls;
        ms.area->dpi_of_step = [](int step) { return 100 + step * 100; };
        ms.area->on_stage_selected = [&](int i) { calls << QString("select %1").arg(i); };
        ms.area->on_stage_enabled = [&](int i, bool on) { calls << QString("enable %1 %2").arg(i).arg(on); };
        ms.area->on_stage_step = [&](int i, int step) { calls << QString("step %1 %2").arg(i).arg(step); };
        ms.area->on_stage_dpi = [&](int i, int dpi) { calls << QString("dpi %1 %2").arg(i).arg(dpi); };
        ms.area->on_stage_colour_clicked = [&](int i) { calls << QString("colour %1").arg(i); };
        ms.area->on_polling_rate = [&](int n) { calls << QString("rate %1").arg(n); };
        mouse::PointerSettings pointer;
        ms.area->on_pointer_changed = [&](mouse::PointerSettings p) {
            pointer = p;
            calls << "pointer";
        };
        ms.area->show(three_stages());
        QVERIFY(calls.isEmpty());  // what the controller shows is not the user's change

        // Stage 4's slider: the edit follows the drag, the step is reported on release.
        auto* slider = ms.control<QSlider>(settings_names::kSliderPrefix, 4);
        auto* edit = ms.control<QLineEdit>(settings_names::kEditPrefix, 4);
        slider->setSliderDown(true);
        slider->setSliderPosition(25);
        QCOMPARE(edit->text(), QString("2600"));
        QVERIFY(calls.isEmpty());
        slider->setSliderDown(false);
        QCOMPARE(calls, QStringList{"step 4 25"});
        calls.clear();

        ms.control<QAbstractButton>(settings_names::kSelectPrefix, 0)->click();
        ms.control<QAbstractButton>(settings_names::kEnablePrefix, 0)->click();
        ms.control<QAbstractButton>(settings_names::kColourPrefix, 0)->click();
        ms.control<QAbstractButton>(settings_names::kPollingPrefix, 1)->click();
        auto* edit0 = ms.control<QLineEdit>(settings_names::kEditPrefix, 0);
        ms.notify({"killfocus", edit0->objectName(), edit0, 0, {}});  // visited, not changed
        edit0->setText("3200");
        QTest::keyClick(edit0, Qt::Key_Return);
        QCOMPARE(calls, (QStringList{"select 0", "enable 0 0", "colour 0", "rate 1", "dpi 0 3200"}));
        calls.clear();

        // Moving the wheel's lines clears page-wise scrolling.
        ms.control<QSlider>(settings_names::kScrollSpeedSlider)
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(calls, QStringList{"pointer"});
        QCOMPARE(pointer.wheel_lines, 6);
        QVERIFY(!pointer.scroll_by_page);
        QVERIFY(!ms.control<QAbstractButton>(settings_names::kScrollsPageCheck)->isChecked());
        QCOMPARE(pointer.pointer_speed, 14);
    }

    void optionPagesSwitchTheStackAndThePointerSettingsSitOnTheSystemTab() {
        MouseSettings ms;
        auto* stack = ms.control<QStackedWidget>(settings_names::kStack);
        const auto option = [&](int n) { return ms.control<QAbstractButton>(settings_names::kOptionPrefix, n); };
        QCOMPARE(stack->count(), 2);  // DPI and polling rate
        option(1)->click();
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(option(1)->isChecked() && !option(0)->isChecked());
        ms.area->select_option_page(2);
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(option(0)->isChecked() && !option(1)->isChecked());

        auto* system = ms.control<QWidget>(names::device_page::kSystemPage);
        for (const char* name : {settings_names::kPointerSpeedSlider, settings_names::kPointerPrecisionCheck,
                                 settings_names::kScrollsPageCheck, settings_names::kScrollSpeedSlider,
                                 settings_names::kDoubleClickSlider, "mouse_pointer_hint"})
            QVERIFY2(system->isAncestorOf(ms.control<QWidget>(name)), name);
    }

    void buttonCaptionsFromAnyThreadGoOnTheCallouts() {
        testing::ShellRig rig;
        rig.window().initialise();
        CDevicePage* page = rig.window().page(kMousePage);
        auto* mouse = dynamic_cast<mouse::CTavrinMouseDevice*>(page->controller());
        QVERIFY(mouse != nullptr && page->mouse_binding() != nullptr);
        mouse::MousePageState state = mouse->page_state();
        state.buttons[3] = {"Reload and dash", false, false};  // a macro, on a missing button
        auto* callout = ui::find_control<QAbstractButton>(page, latin("key_3"));
        QVERIFY(callout->isEnabled());
        std::thread device_work([&] { page->mouse_binding()->show_mouse_page(state); });
        device_work.join();
        QVERIFY(callout->isEnabled());  // drawn on the UI thread, not the caller's
        QTRY_VERIFY(!callout->isEnabled());
        QCOMPARE(callout->text(), QString("Reload and dash"));
    }

    void theFifthStagesSliderGrowsAThreeStageProfileAndReachesTheMouse() {
        testing::ShellRig rig;
        rig.window().initialise();
        CDevicePage* page = rig.window().page(kMousePage);
        auto* mouse = dynamic_cast<mouse::CTavrinMouseDevice*>(page->controller());
        QVERIFY(mouse != nullptr);
        const std::filesystem::path document = page->profile_data()->document_path();
        Json::Value doc = profiles::read_json_file(document);
        doc["Device"][0]["DPIStages"]["StageDPIs"].resize(3);
        QVERIFY(profiles::write_json_file(document, doc));
        page->load_profile(document);
        QCOMPARE(mouse->dpi_stages().size(), 3u);
        rig.bus().plug(sim::SimProduct::Mouse);
        const auto idle = [&] { return !rig.window().presence()->device_work_running(kMousePage); };
        QVERIFY(QTest::qWaitFor([&] { return mouse->loaded() && idle(); }, kDeviceWorkGuardMs));

        auto* slider = ui::find_control<QSlider>(page, latin("DPI_slider_4"));
        slider->setSliderDown(true);
        slider->setSliderPosition(60);
        slider->setSliderDown(false);
        QCOMPARE(mouse->dpi_stages().size(), 5u);
        QCOMPARE(ui::find_control<QLineEdit>(page, latin("DPI_edit_4"))->text(),
                 QString::number(mouse::shown_dpi(mouse->dpi_scale(), 60)));
        QVERIFY(QTest::qWaitFor(idle, kDeviceWorkGuardMs));
        // Stage 4's record in the mouse's block: off, one value for X and Y, X = step 60.
        constexpr size_t kStage4 = 50;
        const auto record = rig.bus().with_firmware(sim::SimProduct::Mouse, [](sim::Firmware& f) {
            return f.read(sim::FirmwareMemory::Configuration, kStage4, 3);
        });
        QCOMPARE(record, (std::vector<uint8_t>{0, 0, 60}));
    }

    void aStageColourChosenInTheColourDialogReachesTheMouse() {
        testing::ShellRig rig;
        rig.window().initialise();
        CDevicePage* page = rig.window().page(kMousePage);
        auto* mouse = dynamic_cast<mouse::CTavrinMouseDevice*>(page->controller());
        QVERIFY(mouse != nullptr);
        rig.bus().plug(sim::SimProduct::Mouse);
        const auto idle = [&] { return !rig.window().presence()->device_work_running(kMousePage); };
        QVERIFY(QTest::qWaitFor([&] { return mouse->loaded() && idle(); }, kDeviceWorkGuardMs));

        bool seven_colour_offered = true;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != latin(names::pallet_dialog::kWindowClass) || !top->isVisible())
                    continue;
                seven_colour_offered =
                    ui::find_control<QWidget>(top, latin(names::pallet_dialog::kSevenColor))->isEnabled();
                ui::find_control<QAbstractButton>(top, latin("color_option_9"))->click();  // 0x8000FF
                ui::find_control<QAbstractButton>(top, latin(names::pallet_dialog::kOkBtn))->click();
            }
        });
        QTimer::singleShot(kDeviceWorkGuardMs, [] {  // hang guard: a dialog nobody drives
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
        });
        ui::find_control<QAbstractButton>(page, latin(settings_names::kColourPrefix) + "0")->click();
        QVERIFY(!seven_colour_offered);
        QVERIFY(QTest::qWaitFor(idle, kDeviceWorkGuardMs));
        // Stage 0's record in the mouse's block: its colour follows the two step values.
        constexpr size_t kStage0Colour = 14 + 6;
        const auto colour = rig.bus().with_firmware(sim::SimProduct::Mouse, [](sim::Firmware& f) {
            return f.read(sim::FirmwareMemory::Configuration, kStage0Colour, 3);
        });
        QCOMPARE(colour, (std::vector<uint8_t>{0x80, 0x00, 0xFF}));
    }
};

QTEST_MAIN(MousePageTest)
#include "MousePageTest.moc"
