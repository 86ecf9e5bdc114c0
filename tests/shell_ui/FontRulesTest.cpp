#include <QtTest>

#include <QLabel>

#include "shell/ui/FontTable.h"
#include "shell/ui/LanguageFontRule.h"

namespace ilmo::shell::ui {

namespace {
const QString kVerdana = QStringLiteral("Verdana Unicode MS");
}

class FontRulesTest : public QObject {
    Q_OBJECT

private slots:
    void font_identifiers_give_their_size_and_style_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("size_px");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::newRow("default") << kDefaultFontId << 14 << false << false;
        QTest::newRow("0") << 0 << 15 << false << false;
        QTest::newRow("1 underlined") << 1 << 14 << false << true;
        QTest::newRow("3") << 3 << 30 << false << false;
        QTest::newRow("7") << 7 << 14 << false << false;
        QTest::newRow("10") << 10 << 10 << false << false;
        QTest::newRow("11") << 11 << 28 << false << false;
        QTest::newRow("50 bold") << 50 << 18 << true << false;
        QTest::newRow("unknown is the default") << 12 << 14 << false << false;
    }
    void font_identifiers_give_their_size_and_style() {
        QFETCH(int, id);
        QFETCH(int, size_px);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        const QFont font = font_for(id, kVerdana);
        QCOMPARE(font.family(), kVerdana);
        QCOMPARE(font.pixelSize(), size_px);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.underline(), underline);
        QVERIFY(!font.italic());
    }

    void widgets_take_the_font_their_id_names() {
        QWidget root;
        auto* title = new QLabel(&root);
        title->setProperty("fontid", 3);
        auto* body = new QLabel(&root);
        apply_fonts(&root, QStringLiteral("Noto Sans Thai"));
        QCOMPARE(title->font().pixelSize(), 30);
        QCOMPARE(title->font().family(), QStringLiteral("Noto Sans Thai"));
        QCOMPARE(body->font().pixelSize(), 14);
        QCOMPARE(body->font().family(), QStringLiteral("Noto Sans Thai"));
    }

    void language_switches_choose_the_family_data() {
        QTest::addColumn<int>("current");  // -1: no language applied yet
        QTest::addColumn<int>("next");
        QTest::addColumn<bool>("switches");
        QTest::addColumn<QString>("family");  // empty: fonts kept
        QTest::newRow("first start, simplified Chinese") << -1 << 0 << true << "汉仪菱心体简";
        QTest::newRow("first start, other") << -1 << 5 << true << kVerdana;
        QTest::newRow("0 to 3 sets the shared family") << 0 << 3 << true << kVerdana;
        QTest::newRow("3 to 4 keeps the fonts") << 3 << 4 << true << QString();
        QTest::newRow("same language does nothing") << 4 << 4 << false << QString();
        QTest::newRow("same own-font language does nothing") << 15 << 15 << false << QString();
        QTest::newRow("to Thai") << 3 << 15 << true << "Noto Sans Thai";
        QTest::newRow("Thai to traditional Chinese")
            << 15 << 2 << true << "Noto Sans CJK TC Regular";
        QTest::newRow("traditional Chinese to other") << 2 << 7 << true << kVerdana;
        QTest::newRow("Thai to other") << 15 << 1 << true << kVerdana;
    }
    void language_switches_choose_the_family() {
        QFETCH(int, current);
        QFETCH(int, next);
        QFETCH(bool, switches);
        QFETCH(QString, family);
        const std::optional<int> from = current < 0 ? std::nullopt : std::optional<int>(current);
        const LanguageFontChoice choice = choose_language_font(from, next);
        QCOMPARE(choice.switches_language, switches);
        QCOMPARE(choice.family, family);
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::FontRulesTest)
#include "FontRulesTest.moc"
