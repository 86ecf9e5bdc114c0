// The tray program as a process: one copy per user, a second start hands over and ends; the
// scale each monitor starts with.

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <barrier>
#include <memory>
#include <string>
#include <vector>

#include "shell/Density.h"
#include "shell/SingleInstance.h"

using ilmo::shell::screen_scale_factors;
using ilmo::shell::SingleInstance;

class MainProcessTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartLeavesOneProcess() {
        QTemporaryDir home;
        // The copy's socket belongs in the user's runtime folder.
        const QString runtime = home.filePath("run");
        QVERIFY(QDir().mkdir(runtime));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("ILMO_INSTANCE_NAME");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(ILMO_BINARY, {"--demo"});
        QVERIFY(first.waitForStarted());
        // It is the one instance once it answers on its socket.
        const QString socket = QDir(runtime).filePath(SingleInstance::default_name());
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QLocalSocket probe;
                probe.connectToServer(socket);
                return probe.waitForConnected(100);
            }(),
            20000);

        QProcess second;
        env.insert("ILMO_TRACE", "1");
        second.setProcessEnvironment(env);
        second.start(ILMO_BINARY, {"--demo"});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardOutput().contains("handed over to the running copy"));
        // Every start, the one that hands over included, traces its identity message number.
        const QString second_traces = QString::fromUtf8(second.readAllStandardError());
        QVERIFY2(QRegularExpression("(^|\\n)软件标示：\\d+\\n").match(second_traces).hasMatch(),
                 qPrintable(second_traces));
        QCOMPARE(first.state(), QProcess::Running);

        // SIGTERM ends it like the tray's "exit": workers stopped, a normal exit.
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
    }

    void racingStartsLeaveOneOwner() {
        // Copies started at the same moment: between looking for a running copy and
        // listening there is room for another to do the same.
        QTemporaryDir runtime;
        constexpr int kRivals = 4;
        for (int round = 0; round < 10; ++round) {
            std::atomic<int> owners = 0;
            std::barrier start(kRivals);
            std::barrier done(kRivals);
            std::vector<std::unique_ptr<QThread>> rivals;
            for (int i = 0; i < kRivals; ++i) {
                rivals.emplace_back(QThread::create([&] {
                    SingleInstance rival(QStringLiteral("race"), runtime.path());
                    start.arrive_and_wait();
                    if (rival.claim() == SingleInstance::Claim::Claimed) ++owners;
                    done.arrive_and_wait();  // the owner holds on until every rival has tried
                }));
                rivals.back()->start();
            }
            for (auto& rival : rivals) QVERIFY(rival->wait(60000));
            QCOMPARE(owners.load(), 1);
        }
    }

    void eachMonitorIsScaledForItsOwnSize() {
        using ilmo::platform::Monitor;
        // A small laptop panel beside a large monitor: one X screen larger than both.
        QCOMPARE(screen_scale_factors({Monitor{"HDMI-1", 1920, 1080}, Monitor{"eDP-1", 1366, 768}}),
                 std::string("HDMI-1=1.5;eDP-1=1"));
        // A name the variable cannot carry is left to Qt's default.
        QCOMPARE(
            screen_scale_factors({Monitor{"odd=name", 1920, 1080}, Monitor{"DP-2", 2560, 1440}}),
            std::string("DP-2=1.5"));
    }

    void unknownOptionIsAUsageError() {
        QProcess run;
        run.start(ILMO_BINARY, {"--no-such-option"});
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.exitCode(), 2);
    }
};

QTEST_MAIN(MainProcessTest)
#include "MainProcessTest.moc"
