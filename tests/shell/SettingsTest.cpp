// The settings window's language list, the skin frame and the message box, driven through
// their controls as a user would.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ShellSupport.h"
#include "shell/CMsgWnd.h"
#include "shell/CSetWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/names/MainWindowNames.h"
#include "shell/names/MsgWndNames.h"
#include "shell/names/SetWndNames.h"
#include "shell/names/SkinFrameNames.h"
#include "shell/ui/ControlLookup.h"

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
            if (auto* button = ui::find_control<QAbstractButton>(top, QString::fromLatin1(button_name)))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QSettings().clear();
    }

    void choosingALanguageRetranslatesAndIsStored() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        const QString english = light_status_text(rig.window());
        rig.window().open_settings_window(true);
        auto* settings = rig.window().findChild<CSetWnd*>();
        QVERIFY(settings != nullptr);
        auto* list = ui::find_control<QComboBox>(settings, QString::fromLatin1(names::set_wnd::kLanguageCombo));
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
        const QString image = thumbnails.last()->property(names::skin_frame::kImageProperty).toString();
        QTest::mouseClick(thumbnails.last(), Qt::LeftButton);
        {
            QSettings ini(CSkinFrame::settings_file(data.path()), QSettings::IniFormat);
            QCOMPARE(ini.value("SKINIMAGE/FLAGS").toString(), QString("1"));
            QCOMPARE(ini.value("SKINIMAGE/IMAGE").toString(), image);
        }
        auto* reset = ui::find_control<QAbstractButton>(&frame, QString::fromLatin1(names::skin_frame::kSkinReset));
        QTest::mouseClick(reset, Qt::LeftButton);
        QSettings ini(CSkinFrame::settings_file(data.path()), QSettings::IniFormat);
        QCOMPARE(ini.value("SKINIMAGE/FLAGS").toString(), QString("0"));
        QCOMPARE(ini.value("SKINIMAGE/IMAGE").toString(), QString("common/background.png"));
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

    void messageBoxShowsTheWordingOfALanguageKey() {
        testing::ShellRig rig;
        rig.window().initialise();
        rig.window().apply_language(kEnglish);
        QString shown;
        QTimer::singleShot(50, [&shown] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != QLatin1String("MsgWnd") || !top->isVisible()) continue;
                shown = ui::find_control<QLabel>(top, QString::fromLatin1(names::msg_wnd::kMessageText))->text();
                QTest::mouseClick(ui::find_control<QAbstractButton>(
                                      top, QString::fromLatin1(names::msg_wnd::kConfirmBtn)),
                                  Qt::LeftButton);
            }
        });
        CMsgWnd::ask(&rig.window(), rig.skin(), {}, "message_text_24",
                     CMsgWnd::Buttons::ConfirmOnly, 96);
        QVERIFY(!shown.isEmpty());
        QVERIFY(shown != QLatin1String("message_text_24"));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
