#include <QtTest>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

#include "SkinFolder.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CHandImgSelectButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/ControlFactory.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/StandardControls.h"
#include "shell/ui/UiLoader.h"

namespace ilmo::shell::ui {

using testing::SkinFolder;
using testing::ui_document;

namespace {

// A window whose middle is a profile panel built from its own layout; the panel holds
// custom controls, and the window's option group runs into the panel.
const QByteArray kMainLayout = ui_document(R"(
<widget class="QWidget" name="root">
 <layout class="QVBoxLayout" name="root_layout">
  <item><widget class="devicePROFILEui" name="profile_panel"/></item>
  <item>
   <widget class="QLineEdit" name="dpi_edit">
    <property name="numberonly" stdset="0"><bool>true</bool></property>
    <property name="minvalue" stdset="0"><number>100</number></property>
    <property name="maxvalue" stdset="0"><number>26000</number></property>
    <property name="maxchar" stdset="0"><number>5</number></property>
   </widget>
  </item>
  <item><widget class="QLineEdit" name="name_edit"/></item>
  <item>
   <widget class="QLineEdit" name="code_edit">
    <property name="numberonly" stdset="0"><bool>true</bool></property>
   </widget>
  </item>
  <item>
   <widget class="QRadioButton" name="mode_a">
    <property name="group" stdset="0"><string>mode</string></property>
   </widget>
  </item>
  <item>
   <widget class="QPushButton" name="mode_b">
    <property name="checkable"><bool>true</bool></property>
    <property name="group" stdset="0"><string>mode</string></property>
   </widget>
  </item>
  <item>
   <widget class="QCheckBox" name="other_group">
    <property name="group" stdset="0"><string>other</string></property>
   </widget>
  </item>
  <item><widget class="MysteryControl" name="unknown_frame"/></item>
 </layout>
</widget>
<customwidgets>
 <customwidget><class>MysteryControl</class><extends>QFrame</extends></customwidget>
</customwidgets>)");

const QByteArray kProfileLayout = ui_document(R"(
<widget class="QWidget" name="profile_root">
 <widget class="SelectPanel" name="device_key_light">
  <widget class="DeviceKeyButton" name="key_0">
   <property name="text"><string>Esc</string></property>
  </widget>
  <widget class="QWidget" name="key_row">
   <widget class="devicekeybutton" name="key_1"/>
  </widget>
 </widget>
 <widget class="QPushButton" name="default_btn"/>
 <widget class="HandImgSelectButton" name="mode_c">
  <property name="group" stdset="0"><string>mode</string></property>
 </widget>
</widget>)");

}  // namespace

class UiLoaderTest : public QObject {
    Q_OBJECT

    SkinFolder skin;
    ControlFactory factory;

    std::unique_ptr<QWidget> load_main(UiLoader& loader) {
        return std::unique_ptr<QWidget>(loader.load(u"XML_MAIN"));
    }

private slots:
    void initTestCase() {
        register_standard_controls(factory, SkinPaths(skin.program_folder()));
        factory.add_subtree(QStringLiteral("DeviceProfileUI"),
                            QStringLiteral("XML\\CustomControlXML\\DeviceProfile.xml"));
        skin.write(QStringLiteral("main.ui"), kMainLayout);
        skin.write(QStringLiteral("XML/CustomControlXML/DeviceProfile.ui"), kProfileLayout);
    }

    void builds_custom_classes_inside_a_sub_layout() {
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        const auto root = load_main(loader);
        QVERIFY2(root, qPrintable(loader.error_text()));
        QVERIFY(loader.error_text().isEmpty());
        QCOMPARE(root->objectName(), QStringLiteral("root"));

        // The sub-layout's root takes the name the window gives it.
        auto* panel_root = find_control<QWidget>(root.get(), u"profile_panel");
        QVERIFY(panel_root);
        QVERIFY(!find_control<QWidget>(root.get(), u"profile_root"));

        auto* panel = find_control<CSelectPanelUI>(root.get(), u"device_key_light");
        QVERIFY(panel);
        QVERIFY(panel_root->isAncestorOf(panel));
        auto* key_0 = find_control<CDeviceKeyButtonUI>(root.get(), u"key_0");
        auto* key_1 = find_control<CDeviceKeyButtonUI>(root.get(), u"key_1");
        QVERIFY(key_0);
        QVERIFY(key_1);
        QCOMPARE(key_0->text(), QStringLiteral("Esc"));
        QVERIFY(panel->isAncestorOf(key_1));
        QCOMPARE(panel->keys().size(), 2);
        QVERIFY(find_control<CHandImgSelectButtonUI>(root.get(), u"mode_c"));
        QVERIFY(find_control<QPushButton>(root.get(), u"default_btn"));
    }

    void leaves_unknown_classes_to_qt() {
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        const auto root = load_main(loader);
        QVERIFY(root);
        auto* frame = find_control<QFrame>(root.get(), u"unknown_frame");
        QVERIFY(frame);
        QCOMPARE(frame->metaObject()->className(), "QFrame");
        QVERIFY(!factory.contains(u"MysteryControl"));
        QVERIFY(!factory.create(u"MysteryControl", nullptr));
    }

    void factory_names_ignore_case_and_later_entries_replace_earlier() {
        ControlFactory local;
        local.add(QStringLiteral("Gauge"), [](QWidget* parent) { return new QFrame(parent); });
        local.add(QStringLiteral("GAUGE"), [](QWidget* parent) { return new QLineEdit(parent); });
        const std::unique_ptr<QWidget> made(local.create(u"gauge", nullptr));
        QVERIFY(qobject_cast<QLineEdit*>(made.get()));
        local.add_subtree(QStringLiteral("gauge"), QStringLiteral("gauge.xml"));
        QVERIFY(!local.create(u"Gauge", nullptr));
        QCOMPARE(local.subtree_layout(u"GAUGE"), QStringLiteral("gauge.xml"));
    }

    void number_edits_take_only_digits_in_range_and_their_length() {
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        const auto root = load_main(loader);
        QVERIFY(root);
        auto* dpi = find_control<QLineEdit>(root.get(), u"dpi_edit");
        QVERIFY(dpi);
        auto* range = qobject_cast<const QIntValidator*>(dpi->validator());
        QVERIFY(range);
        QCOMPARE(range->bottom(), 100);
        QCOMPARE(range->top(), 26000);
        QCOMPARE(dpi->maxLength(), 5);
        QTest::keyClicks(dpi, QStringLiteral("12a,3.4x567"));
        QCOMPARE(dpi->text(), QStringLiteral("12345"));

        auto* code = find_control<QLineEdit>(root.get(), u"code_edit");
        QTest::keyClicks(code, QStringLiteral("-4b2"));
        QCOMPARE(code->text(), QStringLiteral("42"));

        auto* name = find_control<QLineEdit>(root.get(), u"name_edit");
        QVERIFY(!name->validator());
        QTest::keyClicks(name, QStringLiteral("Profile 1"));
        QCOMPARE(name->text(), QStringLiteral("Profile 1"));
    }

    void options_of_one_group_exclude_each_other_across_sub_layouts() {
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        const auto root = load_main(loader);
        QVERIFY(root);
        auto* a = find_control<QAbstractButton>(root.get(), u"mode_a");
        auto* b = find_control<QAbstractButton>(root.get(), u"mode_b");
        auto* c = find_control<QAbstractButton>(root.get(), u"mode_c");
        auto* other = find_control<QAbstractButton>(root.get(), u"other_group");
        QVERIFY(a && b && c && other);
        QVERIFY(a->group());
        QCOMPARE(a->group(), b->group());
        QCOMPARE(a->group(), c->group());
        QVERIFY(other->group() != a->group());

        a->click();
        other->click();
        QVERIFY(a->isChecked());
        c->click();
        QVERIFY(c->isChecked());
        QVERIFY(!a->isChecked());
        b->click();
        QVERIFY(b->isChecked());
        QVERIFY(!c->isChecked());
        QVERIFY(other->isChecked());
    }

    void reports_a_missing_layout() {
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        QVERIFY(!loader.load(u"XML\\CustomControlXML\\Nowhere.xml"));
        QVERIFY(loader.error_text().contains(QStringLiteral("Nowhere.ui")));
    }

    void reports_a_layout_that_does_not_parse() {
        skin.write(QStringLiteral("broken.ui"), "<ui version=\"4.0\"><widget class=\"QWidget\"");
        UiLoader loader(factory, SkinPaths(skin.program_folder()));
        QVERIFY(!loader.load(u"broken.xml"));
        QVERIFY(!loader.error_text().isEmpty());

        // The error belongs to that load only.
        QVERIFY(std::unique_ptr<QWidget>(loader.load(u"XML_MAIN")));
        QVERIFY(loader.error_text().isEmpty());
    }

    void fails_when_a_sub_layout_is_missing() {
        ControlFactory local;
        local.add_subtree(QStringLiteral("GhostPanelUI"), QStringLiteral("XML\\Ghost.xml"));
        skin.write(QStringLiteral("haunted.ui"), ui_document(R"(
<widget class="QWidget" name="root"><widget class="GhostPanelUI" name="ghost"/></widget>)"));
        UiLoader loader(local, SkinPaths(skin.program_folder()));
        QVERIFY(!loader.load(u"haunted.xml"));
        QVERIFY(loader.error_text().contains(QStringLiteral("XML/Ghost.ui")));
    }

    void a_layout_that_contains_itself_fails_instead_of_recursing() {
        ControlFactory local;
        local.add_subtree(QStringLiteral("LoopUI"), QStringLiteral("loop.xml"));
        skin.write(QStringLiteral("loop.ui"), ui_document(R"(
<widget class="QWidget" name="root"><widget class="LoopUI" name="inner"/></widget>)"));
        UiLoader loader(local, SkinPaths(skin.program_folder()));
        QVERIFY(!loader.load(u"loop.xml"));
        QVERIFY(loader.error_text().contains(QStringLiteral("too deep")));
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::UiLoaderTest)
#include "UiLoaderTest.moc"
