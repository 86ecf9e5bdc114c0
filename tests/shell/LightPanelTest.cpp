// The lighting panel: the mode tables of each device kind, the panel applying them on a real
// page, and what the user does on the keyboard page's panel reaching the emulated keyboard
// (a colour swatch, per-key colours from a rubber band) and its music lighting.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "ShellSupport.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/KeyMaps.h"
#include "presence/DevicePresence.h"
#include "shell/CDevicePage.h"
#include "shell/CLightControlUI.h"
#include "shell/LightModeTable.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/LightPanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/ControlLookup.h"

using namespace ilmo;
using namespace ilmo::shell;
using sim::FirmwareMemory;
using sim::SimProduct;
namespace light_names = names::light_panel;

namespace {

constexpr int kKeyboardPage = 1;
constexpr int kDeviceWorkGuardMs = 15000;
// Bytes of the keyboard's settings record of on-board profile 0.
constexpr size_t kSettingsMode = 1;
constexpr size_t kSettingsColourful = 5;

// One row of a mode table: colour 1 on, 0 off, 2 a plain colour without seven-colour;
// direction -1 where the row leaves it as the reset has it (usable).
struct Row {
    std::vector<int> modes;
    int colour;
    int direction;
    bool brightness;
    bool speed;
};

// The parts of a look a row names; the rest is checked where a row says so.
void check_rows(int device_type, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        for (const int mode : row.modes) {
            const LightPanelLook look = light_panel_look(device_type, mode);
            const QByteArray where = QByteArray::number(device_type) + " mode " + QByteArray::number(mode);
            QVERIFY2(look.seven_colour == (row.colour == 1), where);
            QVERIFY2(look.colour == (row.colour != 0), where);
            QVERIFY2(look.direction == (row.direction != 0), where);
            QVERIFY2(look.brightness == row.brightness, where);
            QVERIFY2(look.speed == row.speed, where);
        }
    }
}

QString latin(const char* text) { return QString::fromLatin1(text); }

class Window {
public:
    CDevicePage* page() { return rig.window().page(kKeyboardPage); }
    keyboard::CTavrinKeyboardDevice* keyboard() {
        return static_cast<keyboard::CTavrinKeyboardDevice*>(page()->controller());
    }
    CLightControlUI* panel() { return page()->light_panel(); }
    template <class T>
    T* control(const char* name) {
        return ui::find_control<T>(page(), latin(name));
    }
    bool work_running() { return rig.window().presence()->device_work_running(kKeyboardPage); }
    bool arrive() {
        rig.window().initialise();
        rig.bus().plug(SimProduct::Keyboard);
        return QTest::qWaitFor([&] { return page() && keyboard()->loaded() && !work_running(); },
                               kDeviceWorkGuardMs);
    }
    std::vector<uint8_t> memory(FirmwareMemory which, size_t offset, size_t size) {
        return rig.bus().with_firmware(SimProduct::Keyboard,
                                       [&](sim::Firmware& f) { return f.read(which, offset, size); });
    }
    // Chooses a mode in the panel's list, as the user does.
    void choose_mode(int mode) {
        auto* combo = control<QComboBox>(light_names::kModeCombo);
        combo->setCurrentIndex(mode);
        emit combo->activated(mode);
    }
    bool shown(const char* layout) { return control<QWidget>(layout)->isVisibleTo(panel()); }

    testing::ShellRig rig;
};

}  // namespace

class LightPanelTest : public QObject {
    Q_OBJECT
private slots:
    void keyboardModeTable() {
        check_rows(kPanelKeyboard, {{{1, 2, 3, 24, 19}, 1, -1, true, true},
                                    {{4, 11, 26}, 0, 0, true, true},
                                    {{5, 7, 8, 9, 10, 13, 14, 15, 22, 23, 25}, 1, 0, true, true},
                                    {{6, 16}, 1, 0, true, false},
                                    {{12}, 0, -1, true, true},
                                    {{17}, 0, 0, true, true},
                                    {{18}, 0, 1, true, false},
                                    {{20}, 2, 0, true, false},
                                    {{21}, 1, -1, true, false},
                                    {{27}, 0, 0, true, true},
                                    {{0, 28, 29, 31, 40}, 0, 0, false, false},
                                    {{30}, 0, 0, true, false}});
        for (const int mode : {4, 11, 26, 12, 17, 18, 30})
            QVERIFY(!light_panel_look(kPanelKeyboard, mode).light_colour_layout);
        for (const int mode : {1, 5, 20, 21, 27})
            QVERIFY(light_panel_look(kPanelKeyboard, mode).light_colour_layout);
        const LightPanelLook zones = light_panel_look(kPanelKeyboard, 17);
        QVERIFY(!zones.speed_shown && zones.secondary_shown);
        const LightPanelLook custom = light_panel_look(kPanelKeyboard, 20);
        QVERIFY(custom.custom_shown && !custom.speed_shown);
        const LightPanelLook music = light_panel_look(kPanelKeyboard, 21);
        QVERIFY(!music.speed_shown && music.audio_mode_shown && music.colour_tab == 1);
        QCOMPARE(light_panel_look(kPanelKeyboard, 1).left_text, "light_set_right_to_left_text");
        QCOMPARE(light_panel_look(kPanelKeyboard, 24).right_text, "light_set_anticlockwise_text");
        QCOMPARE(light_panel_look(kPanelKeyboard, 12).left_text, "light_set_down_to_up_text");
        QCOMPARE(light_panel_look(kPanelKeyboard, 18).left_text, "light_set_outside_to_inside_text");
        QCOMPARE(light_panel_look(kPanelKeyboard, 19).left_text, "light_set_up_to_down_text");
        QVERIFY(!light_panel_look(kPanelKeyboard, 6).same_mode_wanted);
    }

    void mouseModeTable() {
        check_rows(kPanelMouse, {{{0, 5}, 1, -1, true, true},
                                 {{1, 7, 8}, 0, 0, true, true},
                                 {{2, 4, 6}, 1, 0, true, true},
                                 {{3}, 2, 0, true, false},
                                 {{9, 10, 12}, 0, 0, false, false},
                                 {{11}, 1, -1, true, false}});
        const LightPanelLook music = light_panel_look(kPanelMouse, 11);
        QVERIFY(!music.speed_shown && music.audio_mode_shown && music.colour_tab == 1);
        QCOMPARE(light_panel_look(kPanelMouse, 0).left_text, "light_set_down_to_up_text");
    }

    void padAndHeadsetModeTable() {
        for (const int type : {kPanelMousePad, kPanelHeadset, kPanelHeadsetToo}) {
            check_rows(type, {{{0}, 1, -1, true, true},
                              {{1}, 0, 0, true, true},
                              {{2, 4}, 1, 0, true, true},
                              {{3}, 2, 0, true, false},
                              {{5, 6, 7, 8, 9}, 0, 0, false, false}});
            for (int mode = 0; mode <= 9; ++mode)
                QCOMPARE(light_panel_look(type, mode).same_mode_wanted,
                         (mode >= 1 && mode <= 4) || mode == 8);
        }
    }

    void furtherKindModeTable() {
        check_rows(kPanelFurtherKind, {{{0, 2, 3}, 1, 1, true, true},
                                       {{1}, 2, 1, true, false},
                                       {{4}, 0, 1, true, true},
                                       {{5, 6}, 0, 0, false, false}});
    }

    void panelShowsTheLayoutsOfTheChosenMode() {
        Window w;
        QVERIFY(w.arrive());
        w.choose_mode(21);
        QVERIFY(!w.shown(light_names::kSpeedLayout));
        QVERIFY(w.shown(light_names::kAudioModeLayout));
        QCOMPARE(w.control<QStackedWidget>(light_names::kColourTabs)->currentIndex(), 1);
        w.choose_mode(20);
        QVERIFY(w.shown(light_names::kCustomLayout));
        QVERIFY(!w.control<QWidget>(light_names::kSevenColour)->isEnabled());
        // The per-key buttons leave the colour edits their room: none is cut off.
        w.rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.rig.window()));
        for (const char* name : light_names::kEdits) {
            const QWidget* edit = w.control<QWidget>(name);
            QVERIFY2(edit->parentWidget()->rect().contains(edit->geometry()), name);
        }
        // Leaving a mode that hid the speed shows it again.
        w.choose_mode(5);
        QVERIFY(w.shown(light_names::kSpeedLayout));
        QVERIFY(!w.shown(light_names::kCustomLayout));
        QVERIFY(!w.control<QWidget>(light_names::kDirectionLayout)->isEnabled());
        QCOMPARE(w.keyboard()->lighting().mode, 5);
        QTRY_COMPARE_WITH_TIMEOUT(w.memory(FirmwareMemory::Configuration, kSettingsMode, 1)[0], 5,
                                  kDeviceWorkGuardMs);
        // The direction options say what the mode's direction means.
        w.choose_mode(3);
        QCOMPARE(w.control<QAbstractButton>(light_names::kLeftOption)->property("langkey").toString(),
                 latin("light_set_clockwise_text"));
    }

    void colourSwatchIsStoredAndWrittenToTheKeyboard() {
        Window w;
        QVERIFY(w.arrive());
        w.choose_mode(5);
        auto* seven = w.control<QAbstractButton>(light_names::kSevenColour);
        if (!seven->isChecked()) seven->click();
        QCOMPARE(w.keyboard()->lighting().multicolor, 1);
        const QRgb colour = w.panel()->swatch_colour(3);
        QVERIFY(colour != 0);
        w.control<QAbstractButton>("color_option_3")->click();
        const device::LightRecord record = w.keyboard()->lighting();
        QCOMPARE(qRgb(record.red, record.green, record.blue), colour);
        QCOMPARE(record.multicolor, 0);
        QVERIFY(!w.panel()->seven_colour());
        QCOMPARE(w.panel()->edit_text(1), QString::number(qGreen(colour)));
        const std::vector<uint8_t> written = {0, static_cast<uint8_t>(qRed(colour)),
                                              static_cast<uint8_t>(qGreen(colour)),
                                              static_cast<uint8_t>(qBlue(colour))};
        QTRY_COMPARE_WITH_TIMEOUT(w.memory(FirmwareMemory::Configuration, kSettingsColourful, 4),
                                  written, kDeviceWorkGuardMs);
    }

    void rubberBandPaintsTheKeysItTouches() {
        Window w;
        QVERIFY(w.arrive());
        w.choose_mode(20);
        QTRY_VERIFY_WITH_TIMEOUT(!w.work_running(), kDeviceWorkGuardMs);
        w.control<QAbstractButton>("color_option_5")->click();
        // Its write is done before the keys are painted: only the painting writes them then.
        QTRY_VERIFY_WITH_TIMEOUT(!w.work_running(), kDeviceWorkGuardMs);
        const QRgb colour = w.panel()->swatch_colour(5);
        auto* board = w.control<ui::CSelectPanelUI>(names::device_page::kKeyboard.picture);
        ui::CDeviceKeyButtonUI* a = w.page()->key_button(64);
        ui::CDeviceKeyButtonUI* s = w.page()->key_button(65);
        const QPoint from = a->geometry().center();
        const QPoint to = s->geometry().center();
        const auto drag = [&] {
            QTest::mousePress(board, Qt::LeftButton, {}, from);
            QTest::mouseMove(board, (from + to) / 2);
            QTest::mouseMove(board, to);
            QTest::mouseRelease(board, Qt::LeftButton, {}, to);
        };
        const profiles::KeyColor painted{static_cast<uint8_t>(qRed(colour)),
                                         static_cast<uint8_t>(qGreen(colour)),
                                         static_cast<uint8_t>(qBlue(colour)), 0};
        // Keys picked on the key assignment tab keep their colours.
        w.keyboard()->set_function_switch_page(2);
        drag();
        QCOMPARE(board->selected_keys().size(), 2);
        QVERIFY(w.keyboard()->custom_key_colours()[64] != painted);
        w.keyboard()->set_function_switch_page(1);
        drag();

        const std::vector<profiles::KeyColor> colours = w.keyboard()->custom_key_colours();
        QCOMPARE(colours[64], painted);
        QCOMPARE(colours[65], painted);
        QVERIFY(colours[66] != painted);
        // The per-key mode shows them on the keyboard at once.
        const keyboard::KeyMaps maps = keyboard::build_key_maps(
            w.memory(FirmwareMemory::FactoryTable, 0, 512), 126, w.memory(FirmwareMemory::LedTable, 0, 170));
        const std::vector<uint8_t> rgb = {painted.red, painted.green, painted.blue};
        QTRY_COMPARE_WITH_TIMEOUT(w.memory(FirmwareMemory::Records, maps.light_led[65] * 3u, 3), rgb,
                                  kDeviceWorkGuardMs);
    }

    void musicSectionFollowsItsRecord() {
        Window w;
        QVERIFY(w.arrive());
        CLightControlUI* panel = w.panel();
        profiles::AudioLightRecord record;
        record.audio_mode = light_names::kAudioModeWithoutColours;
        record.foreground_red = 10;
        record.background_red = 200;
        record.edits_foreground = 1;
        record.seven_color = 1;
        panel->show_audio_light(record);
        QVERIFY(!w.control<QWidget>(light_names::kAudioColourLayout)->isEnabled());
        QVERIFY(!w.control<QWidget>(light_names::kAudioPaletteLayout)->isEnabled());
        QCOMPARE(panel->audio_edit_text(0), latin("10"));
        QVERIFY(w.control<QAbstractButton>(light_names::kAudioForeground)->isChecked());

        // An audio swatch while the foreground is edited: it takes the colour, without the
        // colour wheel, and is kept in the profile.
        record.audio_mode = 0;
        QVERIFY(w.keyboard()->change_audio_light(record));
        panel->show_audio_light(record);
        w.control<QAbstractButton>("audiocolor_option_2")->click();
        const profiles::AudioLightRecord stored = w.keyboard()->audio_light();
        QCOMPARE(stored.foreground_red, static_cast<uint8_t>(qRed(panel->audio_swatch_colour(2))));
        QCOMPARE(stored.background_red, 200);
        QCOMPARE(stored.seven_color, 0);

        // Choosing the background shows the background colour for editing.
        w.control<QAbstractButton>(light_names::kAudioBackground)->click();
        QCOMPARE(w.keyboard()->audio_light().edits_foreground, 0);
        QCOMPARE(panel->audio_edit_text(0), latin("200"));

        // The music button opens the music styles (closed again once it shows).
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String("MusicWnd") && top->isVisible()) {
                    opened = true;
                    top->close();
                }
        });
        w.control<QAbstractButton>(light_names::kMusicSettingsButton)->click();
        QVERIFY(opened);
    }

    void directionByteSelectsItsOption() {
        Window w;
        QVERIFY(w.arrive());
        device::LightRecord record = w.keyboard()->lighting();
        record.direction = 0;
        w.panel()->show_light(record);
        QVERIFY(w.control<QAbstractButton>(light_names::kRightOption)->isChecked());
        QVERIFY(!w.panel()->direction_left());
        record.direction = 2;
        w.panel()->show_light(record);
        QVERIFY(w.panel()->direction_left());
    }

    void missingControlsAreTracedNotThrown() {
        CLightControlUI bare;
        std::vector<std::string> traced;
        bare.set_trace([&](const std::string& line) { traced.push_back(line); });
        bare.set_device_type(kPanelKeyboard);
        bare.show_light({});
        bare.show_audio_light({});
        const profiles::AudioLightRecord read = bare.read_audio_light(true);
        QCOMPARE(read, profiles::AudioLightRecord{});
        QCOMPARE(bare.mode_index(), -1);
        QCOMPARE(bare.palette_colour(), 0xFF000000u);
        QCOMPARE(bare.swatch_colour(0), 0u);
        QVERIFY(std::find(traced.begin(), traced.end(), " SetAudioLightInfo control is NULL") != traced.end());
        QVERIFY(std::find(traced.begin(), traced.end(), "GetAudioLightInfo control is NULL") != traced.end());
    }
};

QTEST_MAIN(LightPanelTest)
#include "LightPanelTest.moc"
