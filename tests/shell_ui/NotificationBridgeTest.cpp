#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

#include "RecordingSink.h"
#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/NotificationBridge.h"

namespace ilmo::shell::ui {

using testing::RecordingSink;

namespace {

template <class T>
T* add(QWidget* root, const QString& name) {
    auto* widget = new T(root);
    widget->setObjectName(name);
    root->layout()->addWidget(widget);
    return widget;
}

// Options take clicks on their indicator and label only, not on empty space beside them.
void click_option(QAbstractButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

std::unique_ptr<QWidget> make_root() {
    auto root = std::make_unique<QWidget>();
    root->setObjectName(QStringLiteral("root"));
    new QVBoxLayout(root.get());
    return root;
}

}  // namespace

class NotificationBridgeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> root;
    RecordingSink sink;
    std::unique_ptr<NotificationBridge> bridge;

    void attach() { bridge->attach(root.get(), &sink); }
    // Mouse clicks land where a laid-out, shown widget is; the show is not under test.
    void attach_shown() {
        attach();
        root->show();
        QVERIFY(QTest::qWaitForWindowActive(root.get()));
        sink.clear();
    }

private slots:
    void init() {
        root = make_root();
        sink.clear();
        bridge = std::make_unique<NotificationBridge>();
    }
    void cleanup() {
        bridge.reset();
        root.reset();
    }

    void plain_buttons_click_and_unnamed_controls_stay_silent() {
        auto* push = add<QPushButton>(root.get(), QStringLiteral("closebtn"));
        auto* tool = add<QToolButton>(root.get(), QStringLiteral("setbtn"));
        auto* key = add<CDeviceKeyButtonUI>(root.get(), QStringLiteral("key_12"));
        auto* unnamed = add<QPushButton>(root.get(), QString());
        auto* inner = add<QPushButton>(root.get(), QStringLiteral("qt_inner_part"));
        attach();

        QTest::mouseClick(push, Qt::LeftButton);
        QTest::mouseClick(tool, Qt::LeftButton);
        QTest::mouseClick(key, Qt::LeftButton);
        QTest::mouseClick(unnamed, Qt::LeftButton);
        QTest::mouseClick(inner, Qt::LeftButton);
        QCOMPARE(sink.summary(), QStringList({"click:closebtn", "click:setbtn", "click:key_12"}));
        QCOMPARE(sink.received[0].control, push);
    }

    void options_report_changes_the_user_makes() {
        auto* radio_a = add<QRadioButton>(root.get(), QStringLiteral("deng_Op_tab"));
        auto* radio_b = add<QRadioButton>(root.get(), QStringLiteral("key_Op_tab"));
        auto* check = add<QCheckBox>(root.get(), QStringLiteral("DPI_enable_check_2"));
        auto* toggle = add<QPushButton>(root.get(), QStringLiteral("keyset_fn"));
        toggle->setCheckable(true);
        attach_shown();

        click_option(radio_a);
        click_option(radio_a);  // already selected: no change
        click_option(radio_b);  // deselects radio_a in turn, unreported
        QVERIFY(!radio_a->isChecked());
        click_option(check);
        click_option(check);
        radio_b->setFocus();
        QTest::keyClick(toggle, Qt::Key_Space);
        // A check box's clicks are also reported as such, whatever they changed.
        QCOMPARE(sink.summary(),
                 QStringList({"selectchanged:deng_Op_tab", "selectchanged:key_Op_tab",
                              "selectchanged:DPI_enable_check_2", "checkclick:DPI_enable_check_2",
                              "selectchanged:DPI_enable_check_2", "checkclick:DPI_enable_check_2",
                              "selectchanged:keyset_fn"}));
        QCOMPARE(sink.received[2].wparam, 1);
        QCOMPARE(sink.received[3].wparam, 1);
        QCOMPARE(sink.received[4].wparam, 0);
        QCOMPARE(sink.received[5].value.toBool(), false);
        QVERIFY(sink.received[6].value.toBool());

        sink.clear();
        radio_a->setChecked(true);
        check->setChecked(true);
        toggle->setChecked(false);
        QVERIFY(sink.received.isEmpty());
    }

    void pointer_reports_entering_leaving_and_double_clicks() {
        auto* button = add<QPushButton>(root.get(), QStringLiteral("skinbtn"));
        auto* label = add<QLabel>(root.get(), QStringLiteral("title_brand"));
        label->setText(QStringLiteral("ILMO"));
        attach_shown();
        QTest::mouseMove(root.get(), QPoint(1, 1));
        sink.clear();

        QTest::mouseMove(button);
        QTest::mouseMove(label);
        QCOMPARE(sink.summary(),
                 QStringList({"msenter:skinbtn", "msleave:skinbtn", "msenter:title_brand"}));

        sink.clear();
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QCOMPARE(sink.of_type("dbclick").size(), 2);
        QCOMPARE(sink.of_type("dbclick")[0].control, label);
        QCOMPARE(sink.of_type("dbclick")[1].control, button);
    }

    void combo_reports_the_users_choice_only() {
        auto* combo = add<QComboBox>(root.get(), QStringLiteral("device_profile_combo"));
        combo->addItems({"one", "two", "three"});
        attach();

        combo->setCurrentIndex(2);
        QVERIFY(sink.received.isEmpty());
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(sink.summary(), QStringList{"itemselect:device_profile_combo"});
        QCOMPARE(sink.received[0].wparam, 1);
    }

    void slider_reports_every_value_and_the_users_drags() {
        auto* slider = add<QSlider>(root.get(), QStringLiteral("DPI_slider_0"));
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 100);
        attach();

        slider->setValue(40);
        QCOMPARE(sink.summary(), QStringList{"valuechanged:DPI_slider_0"});
        QCOMPARE(sink.received[0].wparam, 40);

        sink.clear();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(sink.summary(), QStringList{"valuechanged:DPI_slider_0"});
        QCOMPARE(sink.received[0].wparam, 41);

        // What a drag does to the slider: held down, the position follows the mouse.
        sink.clear();
        slider->setSliderDown(true);
        slider->setSliderPosition(60);
        slider->setSliderDown(false);
        QVERIFY(sink.summary().contains("movevaluechanged:DPI_slider_0"));
        QCOMPARE(sink.of_type("movevaluechanged").first().wparam, 60);
        QCOMPARE(sink.of_type("valuechanged").last().wparam, 60);
    }

    void line_edit_reports_typing_return_and_focus() {
        auto* edit = add<QLineEdit>(root.get(), QStringLiteral("macro_name_edit"));
        auto* other = add<QLineEdit>(root.get(), QStringLiteral("other_edit"));
        attach_shown();
        other->setFocus();  // the window gave the first edit focus when it became active
        sink.clear();

        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QTest::keyClick(edit, Qt::Key_Return);
        edit->setText(QStringLiteral("from code"));
        other->setFocus();
        QCOMPARE(sink.summary(),
                 QStringList({"killfocus:other_edit", "setfocus:macro_name_edit",
                              "textchanged:macro_name_edit", "textchanged:macro_name_edit",
                              "return:macro_name_edit", "killfocus:macro_name_edit",
                              "setfocus:other_edit"}));
        QCOMPARE(sink.received[3].value.toString(), QStringLiteral("ab"));
        QCOMPARE(sink.received[4].value.toString(), QStringLiteral("ab"));
    }

    void text_edit_reports_any_change() {
        auto* text = add<QTextEdit>(root.get(), QStringLiteral("macro_text"));
        attach();
        text->setPlainText(QStringLiteral("x"));
        QCOMPARE(sink.summary(), QStringList{"textchanged:macro_text"});
        QCOMPARE(sink.received[0].value.toString(), QStringLiteral("x"));
    }

    void list_reports_clicks_and_row_changes() {
        auto* list = add<QListWidget>(root.get(), QStringLiteral("macro_list"));
        list->addItems({"a", "b", "c"});
        // Without a current row, the focus the click gives would make row 0 current first.
        list->setCurrentRow(0);
        attach_shown();

        const QRect row_1 = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row_1.center());
        QCOMPARE(sink.of_type("itemclick").size(), 1);
        QCOMPARE(sink.of_type("itemclick")[0].wparam, 1);
        QCOMPARE(sink.of_type("itemselect").size(), 1);
        QCOMPARE(sink.of_type("itemselect")[0].wparam, 1);

        sink.clear();
        list->setCurrentRow(2);
        QCOMPARE(sink.summary(), QStringList{"itemselect:macro_list"});
        QCOMPARE(sink.received[0].wparam, 2);
    }

    void palette_reports_picked_colours_only() {
        auto* palette = add<CColorPaletteUI>(root.get(), QStringLiteral("deng_Color_Pallet"));
        palette->setFixedSize(200, 120);
        attach();
        palette->set_select_color(0xFF00FF00u);
        QVERIFY(sink.received.isEmpty());

        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(sink.summary(), QStringList{"colorchanged:deng_Color_Pallet"});
        QCOMPARE(sink.received[0].value.toUInt(), palette->select_color());
    }

    void select_panel_reports_the_end_of_a_selection() {
        auto* panel = add<CSelectPanelUI>(root.get(), QStringLiteral("device_key_light"));
        panel->setFixedSize(100, 50);
        auto* key = new CDeviceKeyButtonUI(panel);
        key->setObjectName(QStringLiteral("key_3"));
        key->setGeometry(10, 10, 20, 20);
        attach();

        QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(sink.summary(), QStringList{"click_select_end:device_key_light"});
    }

    void menu_reports_the_triggered_actions_name() {
        auto* menu = new QMenu(root.get());
        menu->setObjectName(QStringLiteral("tray_menu"));
        QAction* exit = menu->addAction(QStringLiteral("Exit"));
        exit->setObjectName(QStringLiteral("exit"));
        exit->setData(7);
        QMenu* more = menu->addMenu(QStringLiteral("More"));
        more->setObjectName(QStringLiteral("more_menu"));
        QAction* about = more->addAction(QStringLiteral("About"));
        about->setObjectName(QStringLiteral("about"));
        attach();

        exit->trigger();
        about->trigger();
        QCOMPARE(sink.summary(), QStringList({"menu:exit", "menu:about"}));
        QCOMPARE(sink.received[0].control, exit);
        QCOMPARE(sink.received[0].value.toInt(), 7);
    }

    void root_reports_its_first_show_and_its_resizes() {
        attach();
        root->resize(300, 200);
        root->show();
        QVERIFY(QTest::qWaitForWindowExposed(root.get()));
        root->hide();
        root->show();
        QCOMPARE(sink.of_type("windowinit").size(), 1);
        QCOMPARE(sink.of_type("windowinit")[0].sender, QStringLiteral("root"));

        sink.clear();
        root->resize(320, 240);
        QCOMPARE(sink.summary(), QStringList{"windowsize:root"});
        QCOMPARE(sink.received[0].value.toSize(), QSize(320, 240));
    }

    void a_root_already_on_screen_still_hears_windowinit() {
        root->show();
        QVERIFY(QTest::qWaitForWindowExposed(root.get()));
        attach();
        QVERIFY(sink.of_type("windowinit").isEmpty());
        QTRY_COMPARE(sink.of_type("windowinit").size(), 1);
    }

    void attaching_again_connects_only_the_new_controls() {
        auto* first = add<QPushButton>(root.get(), QStringLiteral("first_btn"));
        attach();
        auto* later = add<QPushButton>(root.get(), QStringLiteral("later_btn"));
        QTest::mouseClick(later, Qt::LeftButton);
        QVERIFY(sink.received.isEmpty());

        attach();
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::mouseClick(later, Qt::LeftButton);
        QCOMPARE(sink.summary(), QStringList({"click:first_btn", "click:later_btn"}));
    }

    void controls_of_a_destroyed_bridge_stay_silent() {
        auto* button = add<QPushButton>(root.get(), QStringLiteral("closebtn"));
        attach();
        bridge.reset();
        QTest::mouseClick(button, Qt::LeftButton);
        root->resize(50, 50);
        QVERIFY(sink.received.isEmpty());
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::NotificationBridgeTest)
#include "NotificationBridgeTest.moc"
