#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "SkinFolder.h"
#include "shell/ui/LanguageTexts.h"

namespace ilmo::shell::ui {

using testing::SkinFolder;

namespace {

const QByteArray kEnglish = R"(<?xml version="1.0" encoding="UTF-8"?>
<Language name="English">
  <Text id="message_text_24">Profile saved</Text>
  <Text id="btn_save">Save</Text>
  <Text id="tip_save">Write the profile to the device</Text>
  <Text id="group_light">Lighting</Text>
  <Text id="hint_name">Profile name</Text>
  <Text id="mode_wave">Wave</Text>
  <Text id="menu_exit">Exit</Text>
</Language>
)";

const QByteArray kGerman = R"(<?xml version="1.0" encoding="UTF-8"?>
<Language name="Deutsch">
  <Text id="btn_save">Speichern</Text>
  <Text id="mode_wave">Welle</Text>
  <Comment>ignored</Comment>
  <Text id="message_text_24">Profil gespeichert &amp; übertragen</Text>
</Language>
)";

}  // namespace

class LanguageTextsTest : public QObject {
    Q_OBJECT

    SkinFolder skin;
    QString english, german;

private slots:
    void initTestCase() {
        english = skin.write(QStringLiteral("lang/lan_en.xml"), kEnglish);
        german = skin.write(QStringLiteral("lang/lan_de.xml"), kGerman);
    }

    void reads_texts_by_key_and_falls_back_to_the_key() {
        LanguageTexts texts;
        QVERIFY(texts.load(english));
        QCOMPARE(texts.language_name(), QStringLiteral("English"));
        QCOMPARE(texts.text(u"message_text_24"), QStringLiteral("Profile saved"));
        QCOMPARE(texts.text(u"message_text_99"), QStringLiteral("message_text_99"));
        QVERIFY(!texts.contains(u"message_text_99"));

        QVERIFY(texts.load(german));
        QCOMPARE(texts.text(u"message_text_24"), QStringLiteral("Profil gespeichert & übertragen"));
        // A reload replaces the whole language: keys only the old one had are gone.
        QCOMPARE(texts.text(u"tip_save"), QStringLiteral("tip_save"));
    }

    void a_broken_or_missing_file_keeps_the_texts_loaded_before_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated") << kGerman.left(kGerman.size() / 2);
        QTest::newRow("garbage after the root")
            << QByteArray(kGerman + "<Language name=\"x\"></Language>");
        QTest::newRow("other root element")
            << QByteArray("<Strings><Text id=\"a\">b</Text></Strings>");
        QTest::newRow("empty") << QByteArray();
    }
    void a_broken_or_missing_file_keeps_the_texts_loaded_before() {
        QFETCH(QByteArray, content);
        const QString broken = skin.write(QStringLiteral("lang/broken.xml"), content);
        LanguageTexts texts;
        QVERIFY(texts.load(english));
        QVERIFY(!texts.load(broken));
        QVERIFY(!texts.load(skin.program_folder() + QStringLiteral("/skin/lang/missing.xml")));
        QCOMPARE(texts.language_name(), QStringLiteral("English"));
        QCOMPARE(texts.text(u"btn_save"), QStringLiteral("Save"));
    }

    void applies_and_reapplies_texts_to_keyed_widgets() {
        QWidget root;
        auto* label = new QLabel(&root);
        label->setProperty("langkey", "message_text_24");
        auto* button = new QPushButton(&root);
        button->setProperty("langkey", "btn_save");
        button->setProperty("tipkey", "tip_save");
        auto* group = new QGroupBox(&root);
        group->setProperty("langkey", "group_light");
        auto* edit = new QLineEdit(group);
        edit->setProperty("langkey", "hint_name");
        edit->setText(QStringLiteral("typed by the user"));
        auto* combo = new QComboBox(&root);
        combo->addItem(QStringLiteral("?"));
        combo->setItemData(0, QStringLiteral("mode_wave"), LanguageTexts::kLanguageKeyRole);
        combo->addItem(QStringLiteral("Custom 1"));
        auto* action = new QAction(&root);
        action->setProperty("langkey", "menu_exit");
        auto* plain = new QLabel(QStringLiteral("untouched"), &root);

        LanguageTexts texts;
        QVERIFY(texts.load(english));
        texts.apply(&root);
        QCOMPARE(label->text(), QStringLiteral("Profile saved"));
        QCOMPARE(button->text(), QStringLiteral("Save"));
        QCOMPARE(button->toolTip(), QStringLiteral("Write the profile to the device"));
        QCOMPARE(group->title(), QStringLiteral("Lighting"));
        QCOMPARE(edit->placeholderText(), QStringLiteral("Profile name"));
        QCOMPARE(edit->text(), QStringLiteral("typed by the user"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Wave"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Custom 1"));
        QCOMPARE(action->text(), QStringLiteral("Exit"));
        QCOMPARE(plain->text(), QStringLiteral("untouched"));

        QVERIFY(texts.load(german));
        texts.apply(&root);
        QCOMPARE(button->text(), QStringLiteral("Speichern"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Welle"));
        // Keys the new language lacks show as keys, so the gap is visible.
        QCOMPARE(group->title(), QStringLiteral("group_light"));
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::LanguageTextsTest)
#include "LanguageTextsTest.moc"
