#include "shell/CMainWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWindow>

#include "device/CommandResult.h"
#include "presence/DeviceScanner.h"
#include "presence/WorkerTable.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CMpDevicePowerUI.h"
#include "shell/CSetWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/Density.h"
#include "shell/LanguageList.h"
#include "shell/SessionService.h"
#include "shell/SkinResources.h"
#include "shell/UiThreadCall.h"
#include "shell/names/MainWindowNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/ControlTimers.h"
#include "shell/ui/FontTable.h"
#include "shell/ui/LanguageFontRule.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace main_names = names::main_window;

namespace {

constexpr int kScanWorker = 0;
constexpr int kFitDelayMs = 100;
constexpr int kTrayMenuDelayMs = 10;
constexpr int kTitleBarHeight = 44;

QString latin(const char* text) { return QString::fromLatin1(text); }

// The desktop's language as the environment names it (LC_ALL, LC_MESSAGES, LANG).
std::string desktop_locale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) return value.toStdString();
    }
    return "C";
}

}  // namespace

CMainWnd::CMainWnd(ShellContext context, SkinResources& skin, SessionService& session,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(std::move(context)),
      skin_(skin),
      session_(session) {
    setObjectName("MainWnd");
    setWindowTitle("ILMO RQ07");
    setWindowIcon(QIcon(skin_.paths().resource_file(u"common/app_icon.png")));
    timers_ = std::make_unique<ui::ControlTimers>(*this, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    root_ = skin_.build(latin(main_names::kUiFile), this, this);
    if (root_ == nullptr) return;
    layout->addWidget(root_);
    device_switch_ = ui::find_control<QStackedWidget>(root_, latin(main_names::kDeviceSwitch));
    power_switch_ = ui::find_control<QStackedWidget>(root_, latin(main_names::kDevicePowerSwitch));
    no_device_ = ui::find_control<QWidget>(root_, latin(main_names::kNoDeviceLink));
    select_strip_ = ui::find_control<QWidget>(root_, latin(main_names::kDeviceSelectLayout));
    resize(kMainWidth, kMainHeight);
    build_routes();
    build_tray();
    // A monitor that changes its resolution gets the window fitted again.
    auto watch_screen = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, [this] {
            if (context_.trace) context_.trace("显示器分辨率发生变化");
            display_change_pending_ = true;
            fit_to_monitor();
        });
    };
    for (QScreen* screen : QGuiApplication::screens()) watch_screen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, watch_screen);
}

CMainWnd::~CMainWnd() {
    stop_workers();
    // Pages own their controllers; presence holds pointers to them and goes first.
    presence_.reset();
}

void CMainWnd::initialise() {
    if (initialised_ || root_ == nullptr) return;
    initialised_ = true;
    announce_lighting_control();
    QSettings settings;
    const auto languages = read_language_list(
        (context_.program_folder + "/DefaultData/Language.config").toStdString());
    const QVariant stored = settings.value("LANGUAGE");
    apply_language(stored.isValid()
                       ? language_index_for_id(languages, stored.toInt())
                       : language_index_for_locale(languages, desktop_locale()));
    start_scanning();
    hide();
    timers_->set_timer(this, kFitTimer, kFitDelayMs);
}

void CMainWnd::start_scanning() {
    workers_ = std::make_unique<presence::WorkerTable>(context_.trace);
    auto stop = workers_->stop_event(kScanWorker);
    // Arrivals and removals are handled on the UI thread while the scan thread waits, so
    // the slots it owns do not change under the handler.
    auto hand_over = [this, stop](std::function<void()> work) {
        run_on_ui_thread_and_wait(this, std::move(work), *stop);
    };
    presence::DeviceScanner::Callbacks callbacks;
    callbacks.arrival = [this, hand_over](int slot) {
        hand_over([this, slot] {
            if (presence_ && !exiting_) presence_->arrival(slot);
            emit devices_changed();
        });
    };
    callbacks.removal = [this, hand_over](int slot) {
        hand_over([this, slot] {
            if (presence_ && !exiting_) presence_->removal(slot);
            emit devices_changed();
        });
    };
    callbacks.first_pass_done = [this, hand_over] {
        hand_over([this] {
            if (!start_in_tray_) show_and_raise();
            first_scan_complete_ = true;
            emit first_scan_done();
        });
    };
    scanner_ = std::make_shared<presence::DeviceScanner>(*context_.backend, stop,
                                                         std::move(callbacks), context_.trace);
    presence_ = std::make_unique<presence::DevicePresence>(*this, scanner_->slot_table(),
                                                           context_.trace);
    presence_->start();
    auto scanner = scanner_;
    workers_->start(
        kScanWorker, [scanner](presence::StopEvent&) { scanner->run(); },
        [scanner] { scanner->request_stop(); });
}

void CMainWnd::stop_workers() {
    exiting_ = true;
    if (workers_) workers_->stop_all();
}

device::CTavrinUSBDevice* CMainWnd::selected_device() const {
    return presence_ ? presence_->selected_device() : nullptr;
}

CDevicePage* CMainWnd::page(int index) const {
    return index >= 0 && index < page_count() ? pages_[static_cast<size_t>(index)] : nullptr;
}

CDeviceOptionUI* CMainWnd::item(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index)]
                                                                  : nullptr;
}

int CMainWnd::selected_page() const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (items_[static_cast<size_t>(i)]->isVisible() && items_[static_cast<size_t>(i)]->selected())
            return i;
    return -1;
}

// ---- showing, hiding, fitting ----

void CMainWnd::show_and_raise() {
    if (!isVisible() || isMinimized()) fit_to_monitor();
    showNormal();
    raise();
    activateWindow();
    if (presence_) presence_->set_window_hidden(false);
}

void CMainWnd::fit_to_monitor() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        // The monitor's size in device pixels decides; the layouts are drawn for 96.
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        density_ = checked_density(density_for_monitor(pixels.width(), pixels.height()),
                                   "MAIN_WND DPI SET ERROR", context_.trace);
        resize(kMainWidth, kMainHeight);
        move(screen->availableGeometry().center() - rect().center());
    }
}

void CMainWnd::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    // The window manager's close button does what the title close button does.
    event->ignore();
    on_close_button({});
}

void CMainWnd::mousePressEvent(QMouseEvent* event) {
    // The title bar moves the window; its buttons take their own clicks first.
    if (event->position().y() < kTitleBarHeight && windowHandle() != nullptr)
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void CMainWnd::exit_program() {
    close_child_windows();
    stop_workers();
    if (tray_ != nullptr) tray_->hide();
    hide();
    QApplication::quit();
}

void CMainWnd::close_child_windows() {
    close_settings_window();
    if (skin_frame_) skin_frame_->close();
}

void CMainWnd::close_settings_window() {
    if (settings_) settings_->close();
}

void CMainWnd::open_settings_window(bool centred) {
    if (!settings_) {
        settings_ = new CSetWnd(skin_, *this, this);
        settings_->setAttribute(Qt::WA_DeleteOnClose);
    }
    checked_density(density_, "SET_WND DPI SET ERROR", context_.trace);
    if (centred) {
        settings_->move(frameGeometry().center() - settings_->rect().center());
    } else {
        const int margin = 30;
        const int top = 60;
        settings_->move(frameGeometry().right() - settings_->width() - margin,
                        frameGeometry().top() + top);
    }
    settings_->show();
    settings_->raise();
}

// ---- language ----

void CMainWnd::apply_language(int index) {
    if (index == language_index_) return;
    const auto languages = read_language_list(
        (context_.program_folder + "/DefaultData/Language.config").toStdString());
    const auto choice = ui::choose_language_font(
        language_index_ < 0 ? std::nullopt : std::optional<int>(language_index_), index);
    if (!choice.switches_language) return;
    language_index_ = index;
    if (!choice.family.isEmpty()) skin_.set_font_family(choice.family);
    if (index >= 0 && index < static_cast<int>(languages.size())) {
        const auto& entry = languages[static_cast<size_t>(index)];
        skin_.texts().load(skin_.paths().resource_file(QString::fromStdString(entry.file)));
        if (entry.id >= 0) QSettings().setValue("LANGUAGE", entry.id);
    }
    skin_.texts().apply(this);
    if (!skin_.font_family().isEmpty()) ui::apply_fonts(this, skin_.font_family());
    for (CDeviceOptionUI* option : items_) option->retranslate();
    show_lighting_control_label();
    for (QAction* action : tray_menu_ ? tray_menu_->actions() : QList<QAction*>{})
        if (action->objectName() == latin(main_names::kTrayMenuExit))
            action->setText(skin_.text(latin(main_names::kTrayMenuExitText)));
    if (settings_) settings_->retranslate();
    update();
}

// ---- lighting control, sleep, game events, skin ----

void CMainWnd::announce_lighting_control() {
    emit session_.LightingControlChanged(lighting_control_);
}

void CMainWnd::show_lighting_control_label() {
    auto* control = ui::find_control<QWidget>(root_, latin(main_names::kControlLightStatus));
    if (control == nullptr) return;
    const QString key = latin(lighting_control_ ? main_names::kControlLightOnText
                                                : main_names::kControlLightOffText);
    // The key goes with the state, so a later language switch shows the right wording.
    control->setProperty("langkey", key);
    const QString text = skin_.text(key);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
        button->setCheckable(true);
        button->setChecked(lighting_control_);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

void CMainWnd::send_light_status_on() {
    // Cabled keyboards are told again that the host drives their light status.
    for (CDevicePage* p : pages_) {
        device::CTavrinUSBDevice* c = p->controller();
        if (c == nullptr || c->kind() != device::DeviceKind::Keyboard || c->receiver_mode())
            continue;
        if (c->command_channel().is_open()) c->command_channel().light_status_on();
    }
}

void CMainWnd::set_lighting_control(bool drive) {
    lighting_control_ = drive;
    show_lighting_control_label();
    if (presence_) presence_->set_lighting_control(drive);
}

void CMainWnd::suspend() {
    awake_ = false;
    if (presence_) presence_->set_lighting_control(false);
}

void CMainWnd::resume() {
    awake_ = true;
    if (presence_) presence_->set_lighting_control(lighting_control_);
    if (lighting_control_) send_light_status_on();
}

void CMainWnd::handle_game_event(const QString& name, int wparam, int lparam) {
    if (!awake_ || !presence_) return;
    Q_UNUSED(name);
    Q_UNUSED(lparam);
    const int page_index = selected_page();
    if (page_index < 0 || wparam < 0 || wparam > 2) return;
    // A game event takes the page out of synchronised lighting; its lighting record is
    // applied by the page's lighting once that exists for the device.
    presence_->set_sync_choice(page_index, false);
    items_[static_cast<size_t>(page_index)]->set_sync_chosen(false);
    timers_->set_timer(this, kGameEventTimer, 5000);
}

void CMainWnd::apply_skin_background(bool use_colour, QRgb colour, const QString& image) {
    if (root_ == nullptr) return;
    // The root's own sheet is the skin's, so the background rule follows it.
    QString rule;
    if (use_colour) {
        rule = QStringLiteral("#root { background-image: none; background-color: %1; }")
                   .arg(QColor(colour).name());
    } else {
        rule = QStringLiteral(
                   "#root { background-color: transparent; "
                   "border-image: url(\"%1\") 0 0 0 0 stretch stretch; }")
                   .arg(skin_.paths().resource_file(image));
    }
    skin_.style_window(root_, rule);
}

// ---- tray ----

void CMainWnd::build_tray() {
    tray_menu_ = new QMenu(this);
    QAction* exit = tray_menu_->addAction(skin_.text(latin(main_names::kTrayMenuExitText)));
    exit->setObjectName(latin(main_names::kTrayMenuExit));
    connect(exit, &QAction::triggered, this, [this] { exit_program(); });
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_ = new QSystemTrayIcon(QIcon(skin_.paths().resource_file(u"common/tray_icon.png")), this);
    tray_->setToolTip("ILMO RQ07");
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger) {
            if (isVisible() && !isMinimized()) {
                hide();
                if (presence_) presence_->set_window_hidden(true);
            } else {
                show_and_raise();
            }
        } else if (r == QSystemTrayIcon::Context) {
            timers_->set_timer(this, kTrayMenuTimer, kTrayMenuDelayMs);
        }
    });
    tray_->show();
}

void CMainWnd::add_tray_action(const QString& name, const QString& text_key,
                               std::function<void()> action) {
    auto* item = new QAction(skin_.text(text_key), tray_menu_);
    item->setObjectName(name);
    item->setProperty("langkey", text_key);
    connect(item, &QAction::triggered, this, std::move(action));
    tray_menu_->insertAction(tray_menu_->actions().value(0), item);
}

void CMainWnd::show_tray_menu() {
    tray_menu_->popup(QCursor::pos());
}

}  // namespace ilmo::shell
