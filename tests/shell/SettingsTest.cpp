// The settings window's language list, the skin frame, the message box and the notices that
// use it, driven through their controls as a user would.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>

#include "ShellSupport.h"
#include "shell/AccessNoticeDisplay.h"
#include "shell/CMsgWnd.h"
#include "shell/CSetWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/DevSimPanel.h"
#include "shell/names/MainWindowNames.h"
#include "shell/names/MsgWndNames.h"
#include "shell/names/SetWndNames.h"
#include "shell/names/SkinFrameNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/FontTable.h"

using namespace ilmo::shell;

namespace {

constexpr int kChinese = 0;  // the order of Language.config
constexpr int kEnglish = 1;

QString light_status_text(CMainWnd& window) {
    return ui::find_control<QAbstractButton>(
               &window, QString::fromLatin1(names::main_window::kControlLightStatus))
        ->text();
}

// Clicks `button_name` in the message box once it is up.
void answer_message_box(const char* button_name) {
    QTimer::singleShot(50, [button_name] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() != QLatin1String("MsgWnd") || !top->isVisible()) continue;
            if (auto* button =
                    ui::find_control<QAbstractButton>(top, QString::fromLatin1(button_name)))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    void choosingALanguageRetranslatesAndIsStored() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        const QString english = light_status_text(rig.window());
        rig.window().open_settings_window(true);
        auto* settings = rig.window().findChild<CSetWnd*>();
        QVERIFY(settings != nullptr);
        auto* list = ui::find_control<QComboBox>(
            settings, QString::fromLatin1(names::set_wnd::kLanguageCombo));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentIndex(), kEnglish);
        // A user's choice arrives as an activation of the item.
        list->setCurrentIndex(kChinese);
        emit list->activated(kChinese);
        QCOMPARE(rig.window().language_index(), kChinese);
        QVERIFY(light_status_text(rig.window()) != english);
        QCOMPARE(QSettings().value("LANGUAGE").toInt(), 2052);
    }

    void theSameLanguageAgainChangesNothing() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        // A text changed behind the window's back stays: no reload happened.
        auto* status = ui::find_control<QAbstractButton>(
            &rig.window(), QString::fromLatin1(names::main_window::kControlLightStatus));
        status->setText("untouched");
        rig.window().apply_language(kEnglish);
        QCOMPARE(status->text(), QString("untouched"));
    }

    void lightStatusKeepsItsStateAcrossALanguageSwitch() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        rig.window().set_lighting_control(false);
        const QString off_english = light_status_text(rig.window());
        rig.window().apply_language(kChinese);
        rig.window().apply_language(kEnglish);
        QCOMPARE(light_status_text(rig.window()), off_english);
    }

    void skinFrameRemembersThumbnailsAndResets() {
        QTemporaryDir data;
        testing::ShellRig rig;
        rig.window().initialise();
        CSkinFrame frame(rig.skin(), rig.window(), data.path());
        QList<QAbstractButton*> thumbnails = frame.findChildren<QAbstractButton*>(
            QString::fromLatin1(names::skin_frame::kSkinImageBtn));
        QVERIFY(!thumbnails.isEmpty());
        const QString image =
            thumbnails.last()->property(names::skin_frame::kImageProperty).toString();
        QTest::mouseClick(thumbnails.last(), Qt::LeftButton);
        {
            QSettings ini(CSkinFrame::settings_file(data.path()), QSettings::IniFormat);
            QCOMPARE(ini.value("SKINIMAGE/FLAGS").toString(), QString("1"));
            QCOMPARE(ini.value("SKINIMAGE/IMAGE").toString(), image);
        }
        auto* reset = ui::find_control<QAbstractButton>(
            &frame, QString::fromLatin1(names::skin_frame::kSkinReset));
        QTest::mouseClick(reset, Qt::LeftButton);
        QSettings ini(CSkinFrame::settings_file(data.path()), QSettings::IniFormat);
        QCOMPARE(ini.value("SKINIMAGE/FLAGS").toString(), QString("0"));
        QCOMPARE(ini.value("SKINIMAGE/IMAGE").toString(), QString("common/background.png"));
    }

    void skinFrameTabsOpenTheirPages() {
        QTemporaryDir data;
        testing::ShellRig rig;
        CSkinFrame frame(rig.skin(), rig.window(), data.path());
        auto* pages = ui::find_control<QStackedWidget>(
            &frame, QString::fromLatin1(names::skin_frame::kSkinTab));
        auto tab = [&frame](const char* name) {
            return ui::find_control<QAbstractButton>(&frame, QString::fromLatin1(name));
        };
        QTest::mouseClick(tab(names::skin_frame::kSkinColor), Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), 1);
        QTest::mouseClick(tab(names::skin_frame::kSkinImage), Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), 0);
    }

    void aBackgroundKeepsTheFontsOfTheLanguage() {
        testing::ShellRig rig;
        // As at start-up: the layout is polished before the language gives it its fonts.
        QCoreApplication::processEvents();
        rig.window().initialise();
        rig.window().apply_skin_background(false, 0,
                                           QString::fromLatin1(names::skin_frame::kDefaultImage));
        rig.window().apply_skin_background(true, 0xFF102030u, {});
        auto* title = ui::find_control<QLabel>(&rig.window(), QStringLiteral("title_brand"));
        QCOMPARE(title->font(),
                 ui::font_for(title->property("fontid").toInt(), rig.skin().font_family()));
    }

    void theDarkStyleStaysInTheProgramsWindows() {
        QTemporaryDir data;
        testing::ShellRig rig;
        CSkinFrame frame(rig.skin(), rig.window(), data.path());
        QFileDialog chooser(&frame);
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        DevSimPanel emulator(rig.shared_bus());
        auto text_colour = [](QLabel* label) {
            label->ensurePolished();
            return label->palette().color(QPalette::WindowText);
        };
        const QColor skin_text = text_colour(new QLabel(
            ui::find_control<QWidget>(&frame, QString::fromLatin1(names::skin_frame::kSkinTab))));
        QVERIFY(text_colour(chooser.findChild<QLabel*>()) != skin_text);
        QVERIFY(text_colour(emulator.findChild<QLabel*>()) != skin_text);
    }

    void aMissingLanguageListLeavesTheBaseWording() {
        // A program folder with the skin but without "DefaultData/Language.config".
        QTemporaryDir folder;
        QVERIFY(QFile::link(testing::program_folder() + "/skin", folder.filePath("skin")));
        QVERIFY(QDir(folder.path()).mkdir("DefaultData"));
        const QByteArray shipped = qgetenv("ILMO_PROGRAM_FOLDER");
        qputenv("ILMO_PROGRAM_FOLDER", folder.path().toLocal8Bit());
        testing::ShellRig rig;
        qputenv("ILMO_PROGRAM_FOLDER", shipped);
        rig.window().initialise();
        QCOMPARE(light_status_text(rig.window()),
                 rig.skin().text(QString::fromLatin1(names::main_window::kControlLightOnText)));
        QVERIFY(light_status_text(rig.window()) !=
                QString::fromLatin1(names::main_window::kControlLightOnText));
    }

    void messageBoxAnswersConfirmAndCancel() {
        testing::ShellRig rig;
        rig.window().initialise();
        answer_message_box(names::msg_wnd::kConfirmBtn);
        QCOMPARE(CMsgWnd::ask(&rig.window(), rig.skin(), {}, "message_text_24",
                              CMsgWnd::Buttons::ConfirmAndCancel, 96),
                 1);
        answer_message_box(names::msg_wnd::kCancelBtn);
        QCOMPARE(CMsgWnd::ask(&rig.window(), rig.skin(), {}, "message_text_24",
                              CMsgWnd::Buttons::ConfirmAndCancel, 96),
                 0);
        answer_message_box(names::msg_wnd::kCloseBtn);
        QCOMPARE(CMsgWnd::ask(&rig.window(), rig.skin(), "title", "plain words",
                              CMsgWnd::Buttons::ConfirmOnly, 97),
                 0);
    }

    void deviceAccessNoticesAreShownOneAtATimeAndOnce() {
        AccessNoticeDisplay display;
        std::atomic<int> printed = 0;
        const auto sink = display.sink([&printed](const std::string&) { ++printed; });
        QStringList shown;
        int open_boxes = 0;
        int most_open_boxes = 0;
        display.show_with([&](const QString& message) {
            most_open_boxes = std::max(most_open_boxes, ++open_boxes);
            shown << message;
            QTest::qWait(100);  // like a modal box: events go on while the user reads
            --open_boxes;
        });
        std::thread scanner([&sink] {
            sink("no permission for 320f:5012 at /dev/hidraw3");
            sink("no permission for 320f:5012 at /dev/hidraw3");
            sink("no permission for 320f:5013 at /dev/hidraw4");
        });
        scanner.join();
        QCOMPARE(printed.load(), 3);  // stderr hears every call, at once
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(shown, QStringList({"no permission for 320f:5012 at /dev/hidraw3",
                                     "no permission for 320f:5013 at /dev/hidraw4"}));
        QCOMPARE(most_open_boxes, 1);
    }

    void messageBoxShowsTheWordingOfALanguageKeyAndLongTextsWhole() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        QString shown;
        bool whole = false;
        auto read_and_confirm = [&shown, &whole] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != QLatin1String("MsgWnd") || !top->isVisible()) continue;
                auto* text = ui::find_control<QLabel>(
                    top, QString::fromLatin1(names::msg_wnd::kMessageText));
                shown = text->text();
                whole = text->height() >= text->heightForWidth(text->width());
                QTest::mouseClick(ui::find_control<QAbstractButton>(
                                      top, QString::fromLatin1(names::msg_wnd::kConfirmBtn)),
                                  Qt::LeftButton);
            }
        };
        QTimer::singleShot(50, read_and_confirm);
        CMsgWnd::ask(&rig.window(), rig.skin(), {}, "message_text_24",
                     CMsgWnd::Buttons::ConfirmOnly, 96);
        QVERIFY(!shown.isEmpty());
        QVERIFY(shown != QLatin1String("message_text_24"));

        QTimer::singleShot(50, read_and_confirm);
        CMsgWnd::ask(&rig.window(), rig.skin(), {},
                     QString("A notice of many words. ").repeated(20),
                     CMsgWnd::Buttons::ConfirmOnly, 96);
        QVERIFY(whole);
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
