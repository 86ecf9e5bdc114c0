#include "shell/CMainWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWindow>

#include "presence/DevicePresence.h"
#include "profiles/AudioStyleDocument.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CSetWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/Density.h"
#include "shell/LanguageList.h"
#include "shell/MainWndTray.h"
#include "shell/MusicLink.h"
#include "shell/PresenceWorkers.h"
#include "shell/SessionService.h"
#include "shell/SkinResources.h"
#include "shell/names/MainWindowNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/ControlTimers.h"
#include "shell/ui/FontTable.h"
#include "shell/ui/LanguageFontRule.h"

namespace ilmo::shell {

namespace main_names = names::main_window;

namespace {

constexpr int kFitDelayMs = 100;
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

int CMainWnd::identity_message_number() {
    static const int number = QEvent::registerEventType();
    return number;
}

CMainWnd::CMainWnd(ShellContext context, SkinResources& skin, SessionService& session,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(std::move(context)),
      skin_(skin),
      session_(session) {
    trace(QStringLiteral("InitWindow"));
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
    max_button_ = ui::find_control<QWidget>(root_, latin(main_names::kMaxBtn));
    restore_button_ = ui::find_control<QWidget>(root_, latin(main_names::kRestoreBtn));
    resize(kMainWidth, kMainHeight);
    build_routes();
    tray_ = new MainWndTray(
        skin_, context_.system_tray.value_or(QSystemTrayIcon::isSystemTrayAvailable()), this);
    connect(tray_, &MainWndTray::clicked, this, &CMainWnd::toggle_from_tray);
    connect(tray_, &MainWndTray::menu_requested, this,
            [this] { timers_->set_timer(this, kTrayMenuTimer, 10); });
    connect(tray_, &MainWndTray::exit_requested, this, &CMainWnd::exit_program);
    // A monitor that changes its resolution gets the window fitted again.
    auto watch_screen = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, [this] {
            trace(QStringLiteral("显示器分辨率发生变化"));
            display_change_pending_ = true;
            fit_to_monitor();
        });
    };
    for (QScreen* screen : QGuiApplication::screens()) watch_screen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, watch_screen);
}

CMainWnd::~CMainWnd() {
    // No notice of the music may reach a controller that is going.
    music_.reset();
    // The pages own the controllers that device work still uses: it ends first.
    stop_workers();
    devices_.reset();
}

void CMainWnd::trace(const QString& line) const {
    if (context_.trace) context_.trace(line.toStdString());
}

void CMainWnd::initialise() {
    if (initialised_ || root_ == nullptr) return;
    initialised_ = true;
    announce_lighting_control();
    music_styles_ = std::make_unique<profiles::AudioStyleDocument>(
        (context_.program_folder + "/DefaultData").toStdString(),
        context_.user_data_folder.toStdString());
    // A failed write leaves the merged styles in memory; the next start tries again.
    static_cast<void>(music_styles_->load());
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
    devices_ = std::make_unique<PresenceWorkers>(context_, *this);
    PresenceWorkers::Events events;
    events.devices_changed = [this] { emit devices_changed(); };
    events.first_pass_done = [this] {
        first_scan_complete_ = true;
        if (!start_in_tray_) {
            identity_message(0, 0);
        } else if (!tray_->available()) {
            // With no tray to wait in, the task bar is the only way back to the window.
            showMinimized();
        } else {
            // Nobody looks at the pages: their devices are not asked for their power.
            presence()->set_window_hidden(true);
        }
        emit first_scan_done();
    };
    devices_->start(std::move(events));
}

void CMainWnd::stop_workers() {
    if (!exiting_) trace(QStringLiteral("退出测试"));
    exiting_ = true;
    // Device work waiting for the user's answer would keep the stop below waiting for it.
    for (CDevicePage* page : pages_) page->close_questions();
    if (devices_) devices_->stop();
}

void CMainWnd::start_music_capture() {
    if (music_ || exiting_) return;
    music_ = std::make_unique<MusicLink>([this] { return presence(); });
    music_->start();
}

presence::DevicePresence* CMainWnd::presence() const {
    return devices_ ? devices_->presence() : nullptr;
}

device::CTavrinUSBDevice* CMainWnd::selected_device() const {
    return presence() ? presence()->selected_device() : nullptr;
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
    // Another start broadcasts the identity message with 0 and 1.
    identity_message(0, 1);
}

void CMainWnd::identity_message(int wparam, int lparam) {
    trace(QStringLiteral("软件标示 %1，%2d%3d")
              .arg(identity_message_number())
              .arg(wparam, 0, 16)
              .arg(lparam, 0, 16));
    restore_and_raise();
}

void CMainWnd::restore_and_raise() {
    if (!isVisible() || isMinimized()) fit_to_monitor();
    showNormal();
    raise();
    activateWindow();
    if (presence()) presence()->set_window_hidden(false);
}

void CMainWnd::put_away() {
    if (!tray_->available()) {
        showMinimized();
        return;
    }
    hide();
    if (presence()) presence()->set_window_hidden(true);
}

void CMainWnd::toggle_from_tray() {
    if (isVisible() && !isMinimized()) {
        put_away();
    } else {
        restore_and_raise();
    }
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

void CMainWnd::show_title_buttons() {
    // One of the two is offered: maximise while normal, restore while maximised.
    if (max_button_ != nullptr) max_button_->setVisible(!isMaximized());
    if (restore_button_ != nullptr) restore_button_->setVisible(isMaximized());
}

void CMainWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        show_title_buttons();
        // Nobody sees the pages of a minimised window: their previews rest as in the tray.
        if (presence()) presence()->set_previews_paused(isMinimized() || !isVisible());
    }
    QWidget::changeEvent(event);
}

void CMainWnd::enterEvent(QEnterEvent* event) {
    trace(QStringLiteral("鼠标移入"));
    QWidget::enterEvent(event);
}

void CMainWnd::leaveEvent(QEvent* event) {
    trace(QStringLiteral("鼠标移出"));
    QWidget::leaveEvent(event);
}

void CMainWnd::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    // The window manager's close button does what the title close button does.
    event->ignore();
    on_close_button();
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
    tray_->hide_icon();
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
    for (CDevicePage* page : pages_) page->retranslate();
    show_lighting_control_label();
    tray_->retranslate();
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
        if (c == nullptr || c->kind() != device::DeviceKind::Keyboard) continue;
        if (c->command_channel().is_open()) {
            const device::Result sent = c->command_channel().light_status_on();
            if (!device::succeeded(sent))
                trace(QString::fromStdString(device::failure_trace("light status on", sent)));
        }
    }
}

void CMainWnd::set_lighting_control(bool drive) {
    lighting_control_ = drive;
    show_lighting_control_label();
    if (presence()) presence()->set_lighting_control(drive);
}

void CMainWnd::suspend() {
    awake_ = false;
    if (presence()) presence()->set_lighting_control(false);
}

void CMainWnd::resume() {
    awake_ = true;
    if (presence()) presence()->set_lighting_control(lighting_control_);
    if (lighting_control_) send_light_status_on();
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

void CMainWnd::add_tray_action(const QString& name, const QString& text_key,
                               std::function<void()> action) {
    tray_->add_action(name, text_key, std::move(action));
}

}  // namespace ilmo::shell
