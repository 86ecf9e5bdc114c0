#include <QtTest>

#include <memory>

#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"

namespace ilmo::shell::ui {

namespace {

// A 300 x 100 panel with keys 30 px wide in a row at y 10..40: key_0 at x 10, key_1 at 60,
// key_2 at 110, and key_3 at 160 inside a child frame placed at (150, 0), to check that
// nested keys are hit where they appear. light_4 at x 250 is hidden.
struct KeyBoard {
    std::unique_ptr<CSelectPanelUI> panel = std::make_unique<CSelectPanelUI>();
    QList<CDeviceKeyButtonUI*> keys;

    KeyBoard() {
        panel->setObjectName(QStringLiteral("device_key_light"));
        panel->resize(300, 100);
        auto* frame = new QWidget(panel.get());
        frame->setGeometry(150, 0, 150, 100);
        add(panel.get(), QStringLiteral("key_0"), 10);
        add(panel.get(), QStringLiteral("key_1"), 60);
        add(panel.get(), QStringLiteral("key_2"), 110);
        add(frame, QStringLiteral("key_3"), 10);
        add(panel.get(), QStringLiteral("light_4"), 250)->hide();
        panel->show();
    }
    CDeviceKeyButtonUI* add(QWidget* parent, const QString& name, int x) {
        auto* key = new CDeviceKeyButtonUI(parent);
        key->setObjectName(name);
        key->setGeometry(x, 10, 30, 30);
        keys << key;
        return key;
    }
    CSelectPanelUI* operator->() const { return panel.get(); }
};

// The names selected, in name order: the panel lists them in tree order.
QStringList selected(const CSelectPanelUI& panel) {
    QStringList names = panel.selected_names();
    names.sort();
    return names;
}

void click(QWidget* widget, QPoint pos, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, pos);
}

void drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(widget, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, to);
}

}  // namespace

class SelectPanelTest : public QObject {
    Q_OBJECT

private slots:
    void rubber_band_selects_the_keys_it_touches() {
        KeyBoard board;
        QVERIFY(QTest::qWaitForWindowExposed(board.panel.get()));
        QSignalSpy finished(board.panel.get(), &CSelectPanelUI::selection_finished);

        // From the gap left of key_1 to inside key_3 (through the nested frame).
        drag(board.panel.get(), QPoint(50, 5), QPoint(170, 50));
        QCOMPARE(selected(*board.panel), QStringList({"key_1", "key_2", "key_3"}));
        QCOMPARE(finished.size(), 1);

        // Without modifiers a new band replaces the selection; the hidden light stays out.
        drag(board.panel.get(), QPoint(5, 45), QPoint(295, 95));
        QVERIFY(selected(*board.panel).isEmpty());
        drag(board.panel.get(), QPoint(295, 5), QPoint(5, 25));
        QCOMPARE(selected(*board.panel), QStringList({"key_0", "key_1", "key_2", "key_3"}));
        QCOMPARE(finished.size(), 3);
    }

    void modifiers_add_a_band_to_the_selection() {
        KeyBoard board;
        QVERIFY(QTest::qWaitForWindowExposed(board.panel.get()));
        drag(board.panel.get(), QPoint(5, 5), QPoint(45, 45));
        drag(board.panel.get(), QPoint(105, 5), QPoint(145, 45), Qt::ShiftModifier);
        QCOMPARE(selected(*board.panel), QStringList({"key_0", "key_2"}));
    }

    void click_selects_one_and_modifiers_toggle() {
        KeyBoard board;
        QVERIFY(QTest::qWaitForWindowExposed(board.panel.get()));
        QSignalSpy finished(board.panel.get(), &CSelectPanelUI::selection_finished);

        click(board.keys[0], QPoint(15, 15));
        QCOMPARE(selected(*board.panel), QStringList{"key_0"});
        click(board.keys[3], QPoint(15, 15), Qt::ControlModifier);
        QCOMPARE(selected(*board.panel), QStringList({"key_0", "key_3"}));
        click(board.keys[0], QPoint(15, 15), Qt::ShiftModifier);
        QCOMPARE(selected(*board.panel), QStringList{"key_3"});
        click(board.keys[1], QPoint(15, 15));
        QCOMPARE(selected(*board.panel), QStringList{"key_1"});
        click(board.panel.get(), QPoint(5, 80));
        QVERIFY(selected(*board.panel).isEmpty());
        QCOMPARE(finished.size(), 5);
    }

    void selection_by_code_is_silent() {
        KeyBoard board;
        QSignalSpy finished(board.panel.get(), &CSelectPanelUI::selection_finished);
        board->set_selected_names({"key_2", "light_4", "no_such_key"});
        QCOMPARE(selected(*board.panel), QStringList({"key_2", "light_4"}));
        board->clear_selection();
        QVERIFY(board->selected_keys().isEmpty());
        QCOMPARE(finished.size(), 0);
    }

    void a_key_outside_a_panel_is_a_plain_button() {
        CDeviceKeyButtonUI key;
        key.setObjectName(QStringLiteral("key_104"));
        key.resize(30, 30);
        key.show();
        QSignalSpy clicked(&key, &QAbstractButton::clicked);
        click(&key, QPoint(15, 15));
        QCOMPARE(clicked.size(), 1);
        QVERIFY(!key.is_selected());
        QCOMPARE(key.index(), 104);
    }

    void key_shows_its_colour_scaled_by_brightness() {
        CDeviceKeyButtonUI key;
        key.set_light_color(0xFF80FF10u);
        key.set_brightness(128);
        QCOMPARE(key.light_color(), QRgb(0x80FF10));
        QCOMPARE(key.shown_color(), QColor(0x40, 0x7F, 0x08));
        key.set_brightness(255);
        QCOMPARE(key.shown_color(), QColor(0x7F, 0xFE, 0x0F));
        key.set_brightness(400);
        QCOMPARE(key.brightness(), 255);
        key.setObjectName(QStringLiteral("key"));
        QCOMPARE(key.index(), -1);
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::SelectPanelTest)
#include "SelectPanelTest.moc"
