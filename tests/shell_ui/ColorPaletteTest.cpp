#include <QtTest>

#include "shell/ui/CColorPaletteUI.h"

namespace ilmo::shell::ui {

class ColorPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void set_colour_reads_back_unchanged_data() {
        QTest::addColumn<QRgb>("color");
        for (const QRgb color : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF123456u, 0xFFFEDCBAu,
                                 0xFF000000u, 0xFFFFFFFFu, 0xFF808080u, 0xFF010203u})
            QTest::addRow("%08X", color) << color;
    }
    void set_colour_reads_back_unchanged() {
        QFETCH(QRgb, color);
        CColorPaletteUI palette;
        QSignalSpy changed(&palette, &CColorPaletteUI::color_changed);
        palette.set_select_color(color);
        QCOMPARE(palette.select_color(), color);
        QCOMPARE(changed.size(), 0);
    }

    void picking_reports_the_colour_under_the_mouse() {
        CColorPaletteUI palette;
        palette.set_bar_height(10);
        palette.resize(360, 126);  // field 360 x 110: one pixel per degree of hue
        palette.show();
        QVERIFY(QTest::qWaitForWindowExposed(&palette));
        QSignalSpy changed(&palette, &CColorPaletteUI::color_changed);

        // The top edge of the field has full saturation; across, the hue in degrees. The
        // value stays as it was: full, for white.
        palette.set_select_color(0xFFFFFFFFu);
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(240, 0));
        QCOMPARE(palette.select_color(), 0xFF0000FFu);
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(120, 0));
        QCOMPARE(palette.select_color(), 0xFF00FF00u);
        // The left end of the value strip is black whatever the hue.
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(0, 120));
        QCOMPARE(palette.select_color(), 0xFF000000u);

        QCOMPARE(changed.size(), 3);
        QCOMPARE(changed.last().first().value<QRgb>(), 0xFF000000u);
        // Picking the same colour again is no change.
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(0, 120));
        QCOMPARE(changed.size(), 3);
    }

    void the_value_strip_keeps_hue_and_saturation() {
        CColorPaletteUI palette;
        palette.set_bar_height(10);
        palette.resize(256, 126);
        palette.show();
        QVERIFY(QTest::qWaitForWindowExposed(&palette));
        palette.set_select_color(0xFF0000FFu);  // blue: hue 240, full saturation
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(255, 120));
        QCOMPARE(palette.select_color(), 0xFF0000FFu);
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(0, 120));
        QTest::mouseClick(&palette, Qt::LeftButton, {}, QPoint(255, 120));
        // From black back to full value: the hue survived the trip through black.
        QCOMPARE(palette.select_color(), 0xFF0000FFu);
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::ColorPaletteTest)
#include "ColorPaletteTest.moc"
