// How the main window routes its controls' notifications: tables from control names (or
// name prefixes) to handlers, so that adding a control is adding a row.

#include <QAbstractButton>
#include <QProcess>
#include <QSystemTrayIcon>

#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/CMainWnd.h"
#include "shell/CSkinFrame.h"
#include "shell/SessionService.h"
#include "shell/SkinResources.h"
#include "shell/names/MainWindowNames.h"
#include "shell/ui/ControlTimers.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace main_names = names::main_window;

namespace {

QString folded(const char* text) { return QString::fromLatin1(text).toLower(); }

// N of "<prefix>N"; -1 when the rest is not a number.
int suffix_index(const QString& name, const QString& prefix) {
    bool ok = false;
    const int index = name.mid(prefix.size()).toInt(&ok);
    return ok ? index : -1;
}

}  // namespace

void CMainWnd::build_routes() {
    click_routes_ = {
        {folded(main_names::kCloseBtn), &CMainWnd::on_close_button},
        {folded(main_names::kMinBtn), &CMainWnd::on_min_button},
        {folded(main_names::kMaxBtn), &CMainWnd::on_max_button},
        {folded(main_names::kRestoreBtn), &CMainWnd::on_restore_button},
        {folded(main_names::kSkinBtn), &CMainWnd::on_skin_button},
        {folded(main_names::kSetBtn), &CMainWnd::on_set_button},
        {folded(main_names::kGameModeBtn), &CMainWnd::ignore},
        {folded(main_names::kCloudBtn), &CMainWnd::ignore},
        {folded(main_names::kSmartEyesBtn), &CMainWnd::ignore},
        {folded(main_names::kNoDeviceOkBtn), &CMainWnd::on_no_device_ok},
        {folded(main_names::kControlLightStatus), &CMainWnd::on_control_light_status},
        {folded(main_names::kDeviceSelectPrev), &CMainWnd::on_select_prev},
        {folded(main_names::kDeviceSelectNext), &CMainWnd::on_select_next},
    };
    // Profile panel.
    click_routes_.insert(folded("device_add_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::add_profile>);
    click_routes_.insert(folded("device_sub_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::delete_profile>);
    click_routes_.insert(folded("device_copy_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::copy_profile>);
    click_routes_.insert(folded("device_import_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::import_profile>);
    click_routes_.insert(folded("device_export_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::export_profile>);
    click_routes_.insert(folded("device_reset_btn"), &CMainWnd::on_profile_button<&CDeviceProfileUI::reset_profile>);
    click_routes_.insert(folded("device_profile_edit_save_btn"),
                         &CMainWnd::on_profile_button<&CDeviceProfileUI::rename_profile>);
    // Compared as written, unlike the other names.
    exact_click_routes_.insert("profile_fun_spread_btn",
                               &CMainWnd::on_profile_button<&CDeviceProfileUI::toggle_menu>);
    click_prefix_routes_ = {
        {"windowdeviceset_", &CMainWnd::on_window_device_set},
    };
    // The function tabs of a page, by the number the page and its profile panel take.
    function_tabs_ = {
        {"deng_Op_tab", 1},         {"key_Op_tab", 2},   {"macro_Op_tab", 3},
        {"system_Op_tab", 4},       {"cursor_Op_tab", 5}, {"6533_voice_Op_tab", 6},
        {"magic_Op_tab", 7},        {"Virtual7.1_Op_tab", 8},
    };
}

void CMainWnd::notify(const ui::Notification& n) {
    if (n.type != QString::fromLatin1("timer") && context_.trace) {
        context_.trace(QStringLiteral("%1 %2").arg(n.type, n.sender).toStdString());
    }
    if (n.type == QString::fromLatin1("click")) {
        route_click(n);
    } else if (n.type == QString::fromLatin1("selectchanged")) {
        route_select(n);
    } else if (n.type == QString::fromLatin1("itemselect")) {
        if (n.sender == QString::fromLatin1("device_profile_combo")) on_profile_combo(n);
    } else if (n.type == QString::fromLatin1("timer")) {
        on_timer(n);
    } else if (n.type == QString::fromLatin1("windowsize")) {
        on_window_size(n);
    }
    // "click_wpremove" and "click_wpedit" are swallowed here like every other type that has
    // no handler: nothing passes them on.
}

bool CMainWnd::route_click(const ui::Notification& n) {
    if (const auto exact = exact_click_routes_.constFind(n.sender);
        exact != exact_click_routes_.constEnd()) {
        (this->*exact.value())(n);
        return true;
    }
    const QString name = n.sender.toLower();
    if (const auto found = click_routes_.constFind(name); found != click_routes_.constEnd()) {
        (this->*found.value())(n);
        return true;
    }
    for (const PrefixRoute& route : click_prefix_routes_) {
        if (name.startsWith(route.prefix)) {
            (this->*route.handler)(n);
            return true;
        }
    }
    return false;
}

bool CMainWnd::route_select(const ui::Notification& n) {
    // The light status switch is drawn as an option; it acts like a button either way.
    if (n.sender.compare(QString::fromLatin1(main_names::kControlLightStatus),
                         Qt::CaseInsensitive) == 0) {
        on_control_light_status(n);
        return true;
    }
    if (function_tabs_.contains(n.sender)) {
        on_function_tab(n);
        return true;
    }
    return false;
}

void CMainWnd::on_close_button(const ui::Notification&) {
    close_child_windows();
    if (tray_ == nullptr) {
        // Without a tray the window must stay reachable: it goes to the task bar instead.
        showMinimized();
        return;
    }
    hide();
    if (presence_) presence_->set_window_hidden(true);
}

void CMainWnd::on_min_button(const ui::Notification&) { showMinimized(); }
void CMainWnd::on_max_button(const ui::Notification&) { showMaximized(); }
void CMainWnd::on_restore_button(const ui::Notification&) { showNormal(); }
void CMainWnd::on_no_device_ok(const ui::Notification&) { hide(); }
void CMainWnd::on_set_button(const ui::Notification&) { open_settings_window(false); }

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

void CMainWnd::on_control_light_status(const ui::Notification&) {
    set_lighting_control(!lighting_control_);
    announce_lighting_control();
    if (lighting_control_) send_light_status_on();
}

void CMainWnd::select_neighbour(int step) {
    const int count = static_cast<int>(items_.size());
    const int current = selected_page();
    for (int i = current + step; i >= 0 && i < count; i += step) {
        if (items_[static_cast<size_t>(i)]->isVisibleTo(this)) {
            presence_->select_page(i, true, true);
            return;
        }
    }
}

void CMainWnd::on_select_prev(const ui::Notification&) { select_neighbour(-1); }
void CMainWnd::on_select_next(const ui::Notification&) { select_neighbour(+1); }

void CMainWnd::on_window_device_set(const ui::Notification& n) {
    // The desktop's own keyboard and mouse settings; started detached so nothing waits.
    const int index = suffix_index(n.sender, "windowdeviceset_");
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

void CMainWnd::on_function_tab(const ui::Notification& n) {
    if (!n.value.toBool()) return;
    const int page_index = selected_page();
    if (page_index < 0) return;
    if (device::CTavrinUSBDevice* controller = pages_[static_cast<size_t>(page_index)]->controller())
        controller->set_function_switch_page(function_tabs_.value(n.sender));
}

CDeviceProfileUI* CMainWnd::selected_profile_panel() const {
    const int index = selected_page();
    return index >= 0 ? pages_[static_cast<size_t>(index)]->profile_panel() : nullptr;
}

template <void (CDeviceProfileUI::*Operation)()>
void CMainWnd::on_profile_button(const ui::Notification&) {
    if (CDeviceProfileUI* panel = selected_profile_panel()) (panel->*Operation)();
}

void CMainWnd::on_profile_combo(const ui::Notification& n) {
    // Scrolling through the list must not load every profile on the way.
    pending_profile_ = n.wparam;
    timers_->set_timer(this, kProfileSwitchTimer, 400);
}

void CMainWnd::on_timer(const ui::Notification& n) {
    timers_->kill_timer(this, n.wparam);
    switch (n.wparam) {
        case kFitTimer:
            fit_to_monitor();
            update();
            break;
        case kTrayMenuTimer: show_tray_menu(); break;
        case kProfileSwitchTimer:
            if (CDeviceProfileUI* panel = selected_profile_panel()) panel->select_profile(pending_profile_);
            break;
        default: break;
    }
}

void CMainWnd::on_window_size(const ui::Notification& n) {
    if (n.sender != QString::fromLatin1(main_names::kRoot) || !display_change_pending_) return;
    display_change_pending_ = false;
    fit_to_monitor();
}

}  // namespace ilmo::shell
