// How the main window routes its controls' notifications: a control on a device page goes to
// that page (and its panels); the window's own controls go through tables from names (or name
// prefixes) to handlers, so that adding a control is adding a row.

#include <QProcess>

#include "presence/DevicePresence.h"
#include "profiles/ProfileListOutcome.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CMainWnd.h"
#include "shell/CMsgWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/MainWndTray.h"
#include "shell/MusicWnd.h"
#include "shell/names/LightPanelNames.h"
#include "shell/names/MainWindowNames.h"
#include "shell/ui/ControlTimers.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace main_names = names::main_window;

namespace {

// "windowdeviceset_0" opens the desktop's keyboard settings, "windowdeviceset_1" its mouse
// settings.
constexpr const char* kWindowDeviceSetPrefix = "windowdeviceset_";
QString latin(const char* text) { return QString::fromLatin1(text); }

// N of "<prefix>N"; -1 when the rest is not a number.
int suffix_index(const QString& name, const QString& prefix) {
    bool ok = false;
    const int index = name.mid(prefix.size()).toInt(&ok);
    return ok ? index : -1;
}

}  // namespace

void CMainWnd::build_routes() {
    namespace m = main_names;
    const auto route = [](auto action) {
        return [action](const ui::Notification&) { action(); };
    };
    const auto nothing = route([] {});
    click_routes_.add(latin(m::kCloseBtn), route([this] { on_close_button(); }));
    click_routes_.add(latin(m::kMinBtn), route([this] { showMinimized(); }));
    click_routes_.add(latin(m::kMaxBtn), route([this] { showMaximized(); }));
    click_routes_.add(latin(m::kRestoreBtn), route([this] { showNormal(); }));
    click_routes_.add(latin(m::kSkinBtn), [this](const ui::Notification& n) { on_skin_button(n); });
    click_routes_.add(latin(m::kSetBtn), route([this] { open_settings_window(false); }));
    click_routes_.add(latin(m::kGameModeBtn), nothing);
    click_routes_.add(latin(m::kCloudBtn), nothing);
    click_routes_.add(latin(m::kSmartEyesBtn), nothing);
    click_routes_.add(latin(m::kNoDeviceOkBtn), route([this] { put_away(); }));
    click_routes_.add(latin(m::kControlLightStatus), route([this] { on_control_light_status(); }));
    click_routes_.add(latin(m::kDeviceSelectPrev), route([this] { select_neighbour(-1); }));
    click_routes_.add(latin(m::kDeviceSelectNext), route([this] { select_neighbour(+1); }));
    // The music button of a lighting panel: the page leaves it to the window, which keeps the
    // music styles.
    click_routes_.add(latin(names::light_panel::kMusicSettingsButton), route([this] {
        if (!music_styles_) return;
        const auto outcome =
            MusicWnd::edit_styles(this, skin_, *music_styles_, density_, context_.trace);
        // The user chose OK: a save that failed must not pass for a saved one.
        if (outcome == MusicWnd::Outcome::SaveFailed)
            CMsgWnd::ask(this, skin_, {}, QString::fromLatin1(profiles::kWriteFailedNotice),
                         CMsgWnd::Buttons::ConfirmOnly, density_, context_.trace);
    }));
    // Raised by a page's lighting panel, which leaves it to the window.
    click_routes_.add(latin(m::kSyncStartBtn), route([this] { start_sync_lighting(); }));
    click_routes_.add_prefix(latin(kWindowDeviceSetPrefix),
                             [this](const ui::Notification& n) { on_window_device_set(n); });
    // The light status switch may be drawn as an option; it acts like a button either way.
    select_routes_.add(latin(m::kControlLightStatus), route([this] { on_control_light_status(); }));
}

void CMainWnd::notify(const ui::Notification& n) {
    if (n.type != QLatin1String("timer")) trace(QStringLiteral("%1 %2").arg(n.type, n.sender));
    if (n.type == QLatin1String("timer")) {
        on_timer(n);
        return;
    }
    if (n.type == QLatin1String("windowsize")) {
        on_window_size(n);
        return;
    }
    // A control on a device page belongs to that page, selected or not.
    CDevicePage* owner = page_holding(n.control);
    if (owner != nullptr && owner->handle_notification(n)) return;
    if (n.type == QLatin1String("click")) {
        click_routes_.dispatch(n);
    } else if (n.type == QLatin1String("selectchanged")) {
        select_routes_.dispatch(n);
    }
    // "click_wpremove" and "click_wpedit" are swallowed here like every other type that has
    // no handler: nothing passes them on.
}

CDevicePage* CMainWnd::page_holding(QObject* control) const {
    for (QObject* o = control; o != nullptr && o != this; o = o->parent())
        if (auto* holder = qobject_cast<CDevicePage*>(o)) return holder;
    return nullptr;
}

void CMainWnd::on_close_button() {
    close_child_windows();
    put_away();
}

void CMainWnd::on_skin_button(const ui::Notification& n) {
    if (!skin_frame_) {
        skin_frame_ = new CSkinFrame(skin_, *this, context_.user_data_folder);
        skin_frame_->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Its top right corner sits at the bottom right corner of the button.
    if (auto* button = qobject_cast<QWidget*>(n.control)) {
        const QPoint corner = button->mapToGlobal(QPoint(button->width(), button->height()));
        skin_frame_->move(corner.x() - skin_frame_->width(), corner.y());
    }
    skin_frame_->show();
    skin_frame_->activateWindow();
}

void CMainWnd::on_control_light_status() {
    set_lighting_control(!lighting_control_);
    announce_lighting_control();
    if (lighting_control_) send_light_status_on();
}

void CMainWnd::select_neighbour(int step) {
    const int count = static_cast<int>(items_.size());
    const int current = selected_page();
    for (int i = current + step; i >= 0 && i < count; i += step) {
        if (items_[static_cast<size_t>(i)]->isVisibleTo(this)) {
            presence()->select_page(i, true, true);
            return;
        }
    }
}

void CMainWnd::on_window_device_set(const ui::Notification& n) {
    // The desktop's own keyboard and mouse settings; started detached so nothing waits.
    const int index = suffix_index(n.sender, latin(kWindowDeviceSetPrefix));
    static const QStringList kKeyboardPanels = {"gnome-control-center keyboard",
                                                "systemsettings kcm_keyboard"};
    static const QStringList kMousePanels = {"gnome-control-center mouse",
                                             "systemsettings kcm_mouse"};
    const QStringList& candidates = index == 0 ? kKeyboardPanels : kMousePanels;
    if (index != 0 && index != 1) return;
    for (const QString& command : candidates) {
        QStringList words = command.split(' ');
        const QString program = words.takeFirst();
        if (QProcess::startDetached(program, words)) return;
    }
}

bool CMainWnd::timer_pending(Timer timer) { return timers_->is_running(this, timer); }

void CMainWnd::on_timer(const ui::Notification& n) {
    timers_->kill_timer(this, n.wparam);
    switch (n.wparam) {
        case kFitTimer:
            fit_to_monitor();
            update();
            start_music_capture();
            break;
        case kTrayMenuTimer: tray_->popup_menu(); break;
        case kGameEventTimer: on_game_event_timer(); break;
        default: break;
    }
}

void CMainWnd::on_window_size(const ui::Notification& n) {
    if (n.sender != latin(main_names::kRoot) || !display_change_pending_) return;
    display_change_pending_ = false;
    fit_to_monitor();
}

}  // namespace ilmo::shell
