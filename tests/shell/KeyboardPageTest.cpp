// The keyboard page as its controller sees it: the system tab shows the options and reports
// the user's changes, key captions follow the language, the firmware question is asked on the
// UI thread and never holds up a closing page, and light changes repaint once.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>

#include "ShellSupport.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "shell/Application.h"
#include "shell/CDevicePage.h"
#include "shell/CKeyboardSystemUI.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/KeyboardSystemNames.h"
#include "shell/names/ProfilePanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/NotificationSink.h"

using namespace ilmo;
using namespace ilmo::shell;
namespace system_names = names::keyboard_system;

namespace {

constexpr int kKeyboardRow = 1;  // of the device option table

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

// A keyboard page built from the shipped layout, with a controller of its own and the
// notifications of its controls routed to it as the main window routes them.
class KeyboardPage : public ui::NotificationSink {
public:
    KeyboardPage() : backend_(bus_), skin_(testing::program_folder()) {
        register_program_controls(skin_);
        root_.reset(skin_.build(latin(names::device_page::kKeyboard.ui_file), nullptr, this));
        page = qobject_cast<CDevicePage*>(root_.get());
        Q_ASSERT(page != nullptr);
        page->set_language_texts(&skin_.texts());
        page->attach_controller(std::make_unique<keyboard::CTavrinKeyboardDevice>(
            backend_, kKeyboardRow, device::DeviceFolders{}, "keyboard", device::TraceSink{}));
    }
    void notify(const ui::Notification& n) override { page->handle_notification(n); }

    template <class T>
    T* control(const QString& name) {
        return ui::find_control<T>(page, name);
    }
    QAbstractButton* option(const char* prefix, int step) {
        return control<QAbstractButton>(latin(prefix) + QString::number(step));
    }
    QString delay_label() {
        return control<QLabel>(latin(system_names::kRepeatDelayLabel))->text();
    }
    SkinResources& skin() { return skin_; }

    CDevicePage* page = nullptr;

private:
    std::shared_ptr<sim::SimBus> bus_ = std::make_shared<sim::SimBus>();
    sim::SimBackend backend_;
    SkinResources skin_;
    std::unique_ptr<QWidget> root_;
};

// Runs `call` on a thread of its own, as device work does, while the UI thread goes on
// handling events; false when it has not ended after a generous hang guard.
template <class Call>
bool run_as_device_work(Call call) {
    std::atomic<bool> ended = false;
    std::thread worker([&] {
        call();
        ended = true;
    });
    const bool in_time = QTest::qWaitFor([&] { return ended.load(); }, 10000);
    while (!ended) QTest::qWait(50);  // a failed run still ends before the thread is joined
    worker.join();
    return in_time;
}

}  // namespace

class KeyboardPageTest : public QObject {
    Q_OBJECT
private slots:
    void systemTabShowsTheOptionsAndTheDelayInWords() {
        KeyboardPage kb;
        kb.page->show_system_options({.repeat = 20,
                                      .repeat_delay = 2,
                                      .six_key = 1,
                                      .polling_rate = 1,
                                      .w_key = 0,
                                      .win_lock = 1});
        QCOMPARE(kb.delay_label(), kb.skin().text(latin(system_names::kRepeatDelayText)) + "750ms");
        QVERIFY(kb.delay_label().endsWith(": 750ms"));
        QVERIFY(kb.option(system_names::kRepeatDelayPrefix, 2)->isChecked());
        QVERIFY(kb.option(system_names::kPollingRatePrefix, 1)->isChecked());
        QCOMPARE(kb.control<QSlider>(latin(system_names::kRepeatRateSlider))->value(), 20);
        QVERIFY(kb.control<QAbstractButton>(latin(system_names::kSixKeyOption))->isChecked());
        QVERIFY(!kb.control<QAbstractButton>(latin(system_names::kWKeyOption))->isChecked());
        QVERIFY(kb.control<QAbstractButton>(latin(system_names::kWinLockOption))->isChecked());
        QCOMPARE(kb.control<QLineEdit>(latin(system_names::kRepeatInput))->placeholderText(),
                 kb.skin().text(latin(system_names::kRepeatInputText)));

        // Steps the tab has no option for show as step 0.
        kb.page->show_system_options({.repeat_delay = 7, .polling_rate = 9});
        QVERIFY(kb.option(system_names::kRepeatDelayPrefix, 0)->isChecked());
        QVERIFY(kb.option(system_names::kPollingRatePrefix, 0)->isChecked());
        QVERIFY(kb.delay_label().endsWith(": 250ms"));
    }

    void eachUserChangeReportsTheWholeOptionSet() {
        KeyboardPage kb;
        std::vector<keyboard::SystemOptions> reported;
        kb.page->keyboard_system()->on_changed = [&](keyboard::SystemOptions o) {
            reported.push_back(o);
        };
        keyboard::SystemOptions expected{.repeat = 12,
                                         .repeat_delay = 1,
                                         .six_key = 0,
                                         .polling_rate = 3,
                                         .w_key = 1,
                                         .win_lock = 0};
        kb.page->show_system_options(expected);
        QVERIFY(reported.empty());  // what the controller shows is not the user's change

        const auto click_and_expect = [&](QAbstractButton* control, auto change) {
            change(expected);
            control->click();
            QVERIFY2(!reported.empty() && reported.back() == expected,
                     qPrintable(control->objectName()));
        };
        click_and_expect(kb.control<QAbstractButton>(latin(system_names::kSixKeyOption)),
                         [](auto& o) { o.six_key = 1; });
        click_and_expect(kb.control<QAbstractButton>(latin(system_names::kWKeyOption)),
                         [](auto& o) { o.w_key = 0; });
        click_and_expect(kb.control<QAbstractButton>(latin(system_names::kWinLockOption)),
                         [](auto& o) { o.win_lock = 1; });
        click_and_expect(kb.option(system_names::kPollingRatePrefix, 0),
                         [](auto& o) { o.polling_rate = 0; });
        click_and_expect(kb.option(system_names::kRepeatDelayPrefix, 3),
                         [](auto& o) { o.repeat_delay = 3; });
        QVERIFY(kb.delay_label().endsWith(": 1000ms"));

        // The slider reports when it is let go, not at every step of the drag.
        auto* slider = kb.control<QSlider>(latin(system_names::kRepeatRateSlider));
        const size_t before_drag = reported.size();
        slider->setSliderDown(true);
        slider->setSliderPosition(25);
        slider->setSliderPosition(27);
        QCOMPARE(reported.size(), before_drag);
        slider->setSliderDown(false);
        expected.repeat = 27;
        QCOMPARE(reported.size(), before_drag + 1);
        QCOMPARE(reported.back(), expected);
        // Keys move it at once.
        slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
        expected.repeat = 26;
        QCOMPARE(reported.back(), expected);
    }

    void captionsFromLanguageKeysFollowTheLanguage() {
        KeyboardPage kb;
        kb.page->show_key_captions(
            {{"keyboard_key_LCtrl", true}, {"Reload and dash", false}, {"", true}});
        ui::CDeviceKeyButtonUI* const keys[] = {kb.page->key_button(0), kb.page->key_button(1),
                                                kb.page->key_button(2)};
        QCOMPARE(keys[0]->text(), kb.skin().text(u"keyboard_key_LCtrl"));
        QCOMPARE(keys[1]->text(), QString("Reload and dash"));
        QCOMPARE(keys[1]->toolTip(), QString("Reload and dash"));  // cut short on the key itself
        QCOMPARE(keys[2]->text(), QString());

        // A language switch rewords the language key and leaves the plain text alone.
        QVERIFY(kb.skin().texts().load(kb.skin().paths().resource_file(u"lang/lan_zh.xml")));
        kb.skin().texts().apply(kb.page);
        QCOMPARE(keys[0]->text(), kb.skin().text(u"keyboard_key_LCtrl"));
        QVERIFY(keys[0]->text() != QString("L Ctrl"));
        QCOMPARE(keys[1]->text(), QString("Reload and dash"));
        QCOMPARE(keys[2]->text(), QString());
    }

    void firmwareQuestionIsAskedOnTheUiThread() {
        KeyboardPage kb;
        QStringList asked;
        bool on_ui_thread = false;
        kb.page->set_confirm([&](const QString& key) {
            asked << key;
            on_ui_thread = QThread::currentThread() == kb.page->thread();
            return true;
        });
        bool answer = false;
        QVERIFY(run_as_device_work([&] { answer = kb.page->confirm_firmware_update(); }));
        QVERIFY(answer);
        QCOMPARE(asked, QStringList{"message_text_24"});
        QVERIFY(on_ui_thread);
    }

    void firmwareQuestionGivesUpWhenThePageCloses() {
        KeyboardPage kb;
        int asked = 0;
        kb.page->set_confirm([&](const QString&) { return ++asked > 0; });
        std::atomic<bool> asking = false;
        std::atomic<bool> ended = false;
        bool answer = true;
        // The UI thread is busy (as when it stops the device work) and cannot ask.
        std::thread worker([&] {
            asking = true;
            answer = kb.page->confirm_firmware_update();
            ended = true;
        });
        while (!asking) std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // well into its wait
        kb.page->close_questions();
        const auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!ended && std::chrono::steady_clock::now() < guard)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const bool gave_up = ended;
        while (!ended) QTest::qWait(50);
        worker.join();
        QVERIFY(gave_up);
        QVERIFY(!answer);
        QTest::qWait(0);  // the question still queued is not asked any more
        QCOMPARE(asked, 0);
    }

    void lightChangesFromAThreadAreRepaintedOnce() {
        KeyboardPage kb;
        constexpr int kStripLight = 130;
        constexpr QRgb kRed = 0xC80A1E;  // as the light keeps it, without alpha
        kb.page->controller()->set_color(kStripLight, {0xC8, 0x0A, 0x1E, 255});
        int repaints = 0;
        struct CountCalls : QObject {
            int* count;
            explicit CountCalls(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::MetaCall) ++*count;
                return false;
            }
        } counter(&repaints);
        kb.page->installEventFilter(&counter);
        // All three come before the UI thread gets round to repainting.
        std::thread worker([&] {
            for (int i = 0; i < 3; ++i) kb.page->lights_changed();
        });
        worker.join();
        QVERIFY(kb.page->light_control(kStripLight)->light_color() != kRed);
        QTest::qWait(0);
        QCOMPARE(repaints, 1);
        QCOMPARE(kb.page->light_control(kStripLight)->light_color(), kRed);
        kb.page->removeEventFilter(&counter);

        // Away from the lighting tab the picture is dark; back on it, it glows again.
        const auto choose_tab = [&](const char* tab) {
            kb.page->handle_notification({QStringLiteral("selectchanged"), latin(tab), nullptr, 0, true});
        };
        choose_tab(names::profile_panel::kKeyTab);
        QCOMPARE(kb.page->light_control(kStripLight)->brightness(), 0);
        choose_tab(names::profile_panel::kLightTab);
        QCOMPARE(kb.page->light_control(kStripLight)->light_color(), kRed);
        QCOMPARE(kb.page->light_control(kStripLight)->brightness(), 255);
    }

    void aMinimisedWindowIsRepaintedOnlyOnceItComesBack() {
        KeyboardPage kb;
        constexpr int kStripLight = 130;
        constexpr QRgb kBlue = 0x1E0AC8;
        kb.page->controller()->set_color(kStripLight, {0x1E, 0x0A, 0xC8, 255});
        kb.page->showMinimized();
        kb.page->lights_changed();
        QTest::qWait(0);
        QVERIFY(kb.page->light_control(kStripLight)->light_color() != kBlue);
        kb.page->showNormal();
        kb.page->lights_changed();
        QTest::qWait(0);
        QCOMPARE(kb.page->light_control(kStripLight)->light_color(), kBlue);
    }
};

QTEST_MAIN(KeyboardPageTest)
#include "KeyboardPageTest.moc"
