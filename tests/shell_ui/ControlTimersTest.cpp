#include <QtTest>

#include <QPushButton>

#include <functional>
#include <memory>

#include "RecordingSink.h"
#include "shell/ui/ControlTimers.h"

namespace ilmo::shell::ui {

using testing::RecordingSink;

namespace {

// Lets a test act inside delivery, as window handlers do ("kill the timer, then act").
class CallbackSink : public testing::RecordingSink {
public:
    std::function<void(const Notification&)> on_notify;
    void notify(const Notification& notification) override {
        RecordingSink::notify(notification);
        if (on_notify) on_notify(notification);
    }
};

int count_timer(const RecordingSink& sink, const QObject* control, int id) {
    int count = 0;
    for (const Notification& n : sink.of_type(QStringLiteral("timer")))
        if (n.control == control && n.wparam == id) ++count;
    return count;
}

// Long enough for many expiries of the short timers used here.
void let_time_pass() {
    QTest::qWait(60);
}

}  // namespace

class ControlTimersTest : public QObject {
    Q_OBJECT

private slots:
    void delivers_timer_with_the_id_until_killed() {
        RecordingSink sink;
        ControlTimers timers(sink);
        QPushButton control;
        control.setObjectName(QStringLiteral("device_item_0"));

        QVERIFY(timers.set_timer(&control, 1011, 5));
        QVERIFY(timers.is_running(&control, 1011));
        QTRY_VERIFY(count_timer(sink, &control, 1011) >= 2);
        const Notification& first = sink.received.first();
        QCOMPARE(first.type, QStringLiteral("timer"));
        QCOMPARE(first.sender, QStringLiteral("device_item_0"));
        QCOMPARE(first.wparam, 1011);

        timers.kill_timer(&control, 1011);
        QVERIFY(!timers.is_running(&control, 1011));
        const int delivered = sink.received.size();
        let_time_pass();
        QCOMPARE(sink.received.size(), delivered);
    }

    void timers_are_kept_per_control_and_id() {
        RecordingSink sink;
        ControlTimers timers(sink);
        QObject a, b;
        timers.set_timer(&a, 1, 5);
        timers.set_timer(&a, 2, 5);
        timers.set_timer(&b, 1, 5);
        timers.kill_timer(&a, 1);
        QVERIFY(!timers.is_running(&a, 1));
        QVERIFY(timers.is_running(&a, 2));
        QVERIFY(timers.is_running(&b, 1));

        sink.clear();
        QTRY_VERIFY(count_timer(sink, &a, 2) >= 1 && count_timer(sink, &b, 1) >= 1);
        QCOMPARE(count_timer(sink, &a, 1), 0);
    }

    void setting_a_running_timer_again_keeps_one_timer() {
        RecordingSink sink;
        ControlTimers timers(sink);
        QObject control;
        timers.set_timer(&control, 5, 5);
        timers.set_timer(&control, 5, 5);
        timers.kill_timer(&control, 5);
        let_time_pass();
        QCOMPARE(count_timer(sink, &control, 5), 0);
    }

    void a_handler_can_kill_its_own_timer() {
        CallbackSink sink;
        ControlTimers timers(sink);
        QObject control;
        sink.on_notify = [&](const Notification& n) { timers.kill_timer(n.control, n.wparam); };
        timers.set_timer(&control, 1032, 1);
        QTRY_COMPARE(count_timer(sink, &control, 1032), 1);
        let_time_pass();
        QCOMPARE(count_timer(sink, &control, 1032), 1);
    }

    void a_destroyed_control_loses_its_timers() {
        RecordingSink sink;
        ControlTimers timers(sink);
        auto control = std::make_unique<QObject>();
        QObject* address = control.get();
        timers.set_timer(address, 3, 1);
        control.reset();
        QVERIFY(!timers.is_running(address, 3));
        sink.clear();
        let_time_pass();
        QVERIFY(sink.received.isEmpty());
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::ControlTimersTest)
#include "ControlTimersTest.moc"
