#include <QtTest>

#include "shell/ui/SkinPaths.h"

namespace ilmo::shell::ui {

class SkinPathsTest : public QObject {
    Q_OBJECT
private slots:
    void maps_layout_names_to_ui_files_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("relative");
        QTest::newRow("device page") << "XML\\DeviceXml\\keyboarddevice.xml"
                                     << "XML/DeviceXml/keyboarddevice.ui";
        QTest::newRow("panel") << "XML\\CustomControlXML\\DeviceOption.xml"
                               << "XML/CustomControlXML/DeviceOption.ui";
        QTest::newRow("main window alias") << "XML_MAIN"
                                           << "main.ui";
        QTest::newRow("message box alias") << "XML_MSG"
                                           << "msg.ui";
        QTest::newRow("window file") << "setwnd.xml"
                                     << "setwnd.ui";
        QTest::newRow("upper-case extension") << "AboutWnd.XML"
                                              << "AboutWnd.ui";
        QTest::newRow("forward slashes stay") << "XML/CustomControlXML/LightControl.xml"
                                              << "XML/CustomControlXML/LightControl.ui";
        QTest::newRow("leading separator dropped") << "\\music.xml"
                                                   << "music.ui";
        QTest::newRow("xml inside a name is kept") << "XML\\xmlview.xml"
                                                   << "XML/xmlview.ui";
    }
    void maps_layout_names_to_ui_files() {
        QFETCH(QString, layout);
        QFETCH(QString, relative);
        QCOMPARE(SkinPaths::relative_layout_path(layout), relative);
    }

    void places_files_under_the_skin_folder_of_the_program_folder() {
        const SkinPaths paths(QStringLiteral("/opt/ilmo/"));
        QCOMPARE(paths.skin_folder(), QStringLiteral("/opt/ilmo/skin"));
        QCOMPARE(paths.layout_file(u"XML_MAIN"), QStringLiteral("/opt/ilmo/skin/main.ui"));
        QCOMPARE(paths.layout_file(u"XML\\DeviceXml\\mousedevice.xml"),
                 QStringLiteral("/opt/ilmo/skin/XML/DeviceXml/mousedevice.ui"));
    }

    void resolves_resources_relative_to_the_skin_folder() {
        const SkinPaths paths(QStringLiteral("/opt/ilmo"));
        QCOMPARE(paths.resource_file(u"common\\close.png"),
                 QStringLiteral("/opt/ilmo/skin/common/close.png"));
        QCOMPARE(paths.resource_file(u"/usr/share/x.png"), QStringLiteral("/usr/share/x.png"));
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::SkinPathsTest)
#include "SkinPathsTest.moc"
