// The music styles window driven through its controls: OK stores the edited styles in the
// user's "AudioFile.json", the close button saves nothing, a skin without some of the
// controls still opens the window, and one without its layout does not leave the caller
// waiting on a window nobody can close.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "ShellSupport.h"
#include "profiles/AudioStyleDocument.h"
#include "profiles/JsonFile.h"
#include "shell/Application.h"
#include "shell/MusicWnd.h"
#include "shell/names/MusicWndNames.h"
#include "shell/ui/ControlLookup.h"

using namespace ilmo::shell;
namespace music_names = names::music_wnd;

namespace {

template <class T>
T* control(QWidget* window, const char* name) {
    return ui::find_control<T>(window, QString::fromLatin1(name));
}

// Runs `drive` on the music styles window once it is up.
void when_open(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive = std::move(drive)] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("MusicWnd") && top->isVisible()) drive(top);
    });
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The user's file before the window opens: style 2 has a colour of its own.
void put_user_styles(const QString& folder) {
    Json::Value document(Json::objectValue);
    document["AudioLightInfo"]["nStyleR2"] = 3;
    document["AudioLightInfo"]["nStyleB2"] = 5;
    document["AudioLightInfo"]["nStyleName1"] = "Calm";
    ilmo::profiles::write_json_file((folder + "/AudioFile.json").toStdString(), document);
}

}  // namespace

class MusicWndTest : public QObject {
    Q_OBJECT
private slots:
    void okStoresTheEditsAndCloseSavesNothing() {
        testing::ShellRig rig;
        QTemporaryDir user;
        put_user_styles(user.path());
        ilmo::profiles::AudioStyleDocument styles(
            (testing::program_folder() + "/DefaultData").toStdString(), user.path().toStdString());
        QVERIFY(styles.load());
        const QString user_file = user.path() + "/AudioFile.json";
        const QByteArray before = file_bytes(user_file);

        when_open([](QWidget* window) {
            control<QSlider>(window, music_names::kSliders[0])->setValue(8);
            QTest::mouseClick(control<QAbstractButton>(window, music_names::kCloseBtn),
                              Qt::LeftButton);
        });
        QCOMPARE(MusicWnd::edit_styles(&rig.window(), rig.skin(), styles, 96),
                 MusicWnd::Outcome::Cancelled);
        QCOMPARE(file_bytes(user_file), before);

        std::vector<int> shown_on_select;
        QString cleared_shows;
        when_open([&shown_on_select, &cleared_shows](QWidget* window) {
            QTest::mouseClick(control<QAbstractButton>(window, music_names::kStyleTabs[2]),
                              Qt::LeftButton);
            for (const char* name : music_names::kSliders)
                shown_on_select.push_back(control<QSlider>(window, name)->value());
            control<QSlider>(window, music_names::kSliders[0])->setValue(7);
            control<QSlider>(window, music_names::kSliders[1])->setValue(1);
            // The first name cleared, the second renamed, the others left alone.
            auto* first = control<QLineEdit>(window, music_names::kNameEdits[0]);
            QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(first, Qt::Key_Backspace);
            auto* second = control<QLineEdit>(window, music_names::kNameEdits[1]);
            QTest::keyClick(second, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(second, "Bass");
            QTest::mouseClick(control<QAbstractButton>(window, music_names::kOkBtn),
                              Qt::LeftButton);
            cleared_shows = first->text();
        });
        QCOMPARE(MusicWnd::edit_styles(&rig.window(), rig.skin(), styles, 96),
                 MusicWnd::Outcome::Saved);
        QCOMPARE(cleared_shows, QString("第一组"));
        QCOMPARE(shown_on_select, (std::vector<int>{3, 9, 5}));  // green from the shipped file

        const Json::Value saved =
            ilmo::profiles::read_json_file(user_file.toStdString())["AudioLightInfo"];
        QCOMPARE(saved["nAudioStyle"].asInt(), 2);
        QCOMPARE(saved["nStyleR2"].asInt(), 7);
        QCOMPARE(saved["nStyleG2"].asInt(), 1);
        QCOMPARE(saved["nStyleB2"].asInt(), 5);
        QCOMPARE(saved["nStyleR0"].asInt(), 9);
        QCOMPARE(saved["nStyleName1"].asString(), std::string("第一组"));
        QCOMPARE(saved["nStyleName2"].asString(), std::string("Bass"));
        // Shown in the current language, kept as the shipped language key.
        QCOMPARE(saved["nStyleName3"].asString(), std::string("music_style_name_3"));
        QCOMPARE(styles.record().colors[2].red, 7);
    }

    void aSkinMissingControlsOpensWhatItHasAndOneWithoutTheLayoutReturns() {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath("skin");
        QByteArray layout = file_bytes(testing::program_folder() + "/skin/music.ui");
        layout.replace("audio_g_slider", "audio_x_slider");
        QFile out(folder.path() + "/skin/music.ui");
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(layout);
        out.close();
        SkinResources skin(folder.path());
        register_program_controls(skin);

        std::vector<std::string> traces;
        ilmo::profiles::AudioStyleRecord record = ilmo::profiles::default_audio_style();
        MusicWnd window(nullptr, skin, record,
                        [&traces](std::string_view line) { traces.emplace_back(line); });
        QVERIFY(window.has_layout());
        QCOMPARE(traces, (std::vector<std::string>{"GetAudioLightInfo control is NULL"}));
        control<QSlider>(&window, music_names::kSliders[2])->setValue(4);
        QCOMPARE(window.record().colors[0].blue, 4);

        // No layout at all: nothing to show and nothing to wait for.
        QTemporaryDir empty;
        SkinResources no_skin(empty.path());
        QTemporaryDir user;
        ilmo::profiles::AudioStyleDocument styles(empty.path().toStdString(),
                                                  user.path().toStdString());
        bool hang_guard_fired = false;
        QTimer::singleShot(20000, [&hang_guard_fired] {
            hang_guard_fired = true;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
        });
        QCOMPARE(MusicWnd::edit_styles(nullptr, no_skin, styles, 96),
                 MusicWnd::Outcome::Cancelled);
        QVERIFY(!hang_guard_fired);
    }
};

QTEST_MAIN(MusicWndTest)
#include "MusicWndTest.moc"
