// The tray program as a process: one copy per user, a second start hands over and ends.

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class MainProcessTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartLeavesOneProcess() {
        QTemporaryDir home;
        const QString instance = QStringLiteral("ilmo-test-%1").arg(QCoreApplication::applicationPid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ILMO_INSTANCE_NAME", instance);
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(ILMO_BINARY, {"--demo"});
        QVERIFY(first.waitForStarted());
        // It is the one instance once it answers on its socket.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QLocalSocket probe;
                probe.connectToServer(instance);
                return probe.waitForConnected(100);
            }(),
            20000);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(ILMO_BINARY, {"--demo"});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // SIGTERM ends it like the tray's "exit": workers stopped, a normal exit.
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
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
