#pragma once
// The main window: the hub of the program. It builds one page per device, shows the device
// selector, routes every notification of its controls by name, lives on in the tray and
// talks to companion programs over the session bus.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "presence/DevicePresence.h"
#include "presence/PresenceView.h"
#include "profiles/TimestampId.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/ShellContext.h"
#include "shell/ui/NotificationSink.h"

class QStackedWidget;
class QSystemTrayIcon;
class QMenu;
class QAbstractButton;

namespace ilmo::presence {
class DeviceScanner;
class WorkerTable;
}  // namespace ilmo::presence

namespace ilmo::shell {

namespace ui {
class ControlTimers;
}
class CDevicePage;
class CDeviceProfileUI;
class CDeviceOptionUI;
class CMpDevicePowerUI;
class CSetWnd;
class CSkinFrame;
class SessionService;
class SkinResources;

class CMainWnd : public QWidget, public ui::NotificationSink, public presence::PresenceView {
    Q_OBJECT
public:
    // Main window timers (each fires once).
    enum Timer {
        kFitTimer = 1011,          // fit to the monitor
        kTrayMenuTimer = 1032,     // open the tray menu
        kProfileSwitchTimer = 1055,
        kGameEventTimer = 1066,
    };

    CMainWnd(ShellContext context, SkinResources& skin, SessionService& session,
             QWidget* parent = nullptr);
    ~CMainWnd() override;
    bool built() const { return root_ != nullptr; }

    // Runs once when the layout is live: language, pages, workers, timers.
    void initialise();
    // Started with the session: stay in the tray through the first scan instead of showing.
    void set_start_in_tray(bool in_tray) { start_in_tray_ = in_tray; }
    // Shows, restores and raises the window (a second start, the first scan, the tray).
    void show_and_raise();
    // Ends the program: what the tray menu's "exit" does.
    void exit_program();
    void close_child_windows() override;

    presence::DevicePresence& presence() { return *presence_; }
    device::CTavrinUSBDevice* selected_device() const;
    CDevicePage* page(int index) const;
    int page_count() const { return static_cast<int>(pages_.size()); }
    CDeviceOptionUI* item(int index) const;
    int density() const { return density_; }
    bool lighting_control() const { return lighting_control_; }
    bool awake() const { return awake_; }

    void apply_language(int index);
    int language_index() const { return language_index_; }
    void open_settings_window(bool centred);
    // Emitted whenever the window has handled an arrival or removal (for tests and tools).
    Q_SIGNAL void devices_changed();
    // Emitted after the first complete device scan.
    Q_SIGNAL void first_scan_done();

    // System sleep: the lighting lets go while asleep and is taken back on resume.
    void suspend();
    void resume();
    // A companion program asks the program to stop (false) or resume (true) driving lights.
    void set_lighting_control(bool drive);
    void handle_game_event(const QString& name, int wparam, int lparam);
    void apply_skin_background(bool use_colour, QRgb colour, const QString& image);
    // Adds an item to the tray menu before "exit"; its text is the language key's wording.
    void add_tray_action(const QString& name, const QString& text_key, std::function<void()> action);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    using Handler = void (CMainWnd::*)(const ui::Notification&);
    struct PrefixRoute {
        QString prefix;
        Handler handler;
    };

    // ui::NotificationSink
    void notify(const ui::Notification& notification) override;
    void build_routes();
    bool route_click(const ui::Notification& n);
    bool route_select(const ui::Notification& n);

    // presence::PresenceView
    device::CTavrinUSBDevice* create_page(int page, int option_row, int slot) override;
    void set_item_visible(int page, bool visible) override;
    void set_item_selected(int page, bool selected) override;
    void show_page(int page) override;
    void show_no_device(bool shown) override;
    void set_sync_offered(bool offered) override;
    void clear_sync_choices() override;
    void raise_main_window() override;
    void start_item_timer(int page, presence::ItemTimer timer, int delay_ms) override;
    void stop_item_timer(int page, presence::ItemTimer timer) override;
    bool send_light_frame(int page) override;
    void refresh_page(int page) override;
    void switch_hooks_off() override;
    void close_settings_window() override;

    // Click handlers.
    void on_close_button(const ui::Notification&);
    void on_min_button(const ui::Notification&);
    void on_max_button(const ui::Notification&);
    void on_restore_button(const ui::Notification&);
    void on_skin_button(const ui::Notification&);
    void on_set_button(const ui::Notification&);
    void on_no_device_ok(const ui::Notification&);
    void on_control_light_status(const ui::Notification&);
    void on_select_prev(const ui::Notification&);
    void on_select_next(const ui::Notification&);
    void on_window_device_set(const ui::Notification&);
    void on_function_tab(const ui::Notification&);
    void on_profile_combo(const ui::Notification&);
    // The profile buttons act on the selected page's panel.
    template <void (CDeviceProfileUI::*Operation)()>
    void on_profile_button(const ui::Notification&);
    CDeviceProfileUI* selected_profile_panel() const;
    CDeviceProfileUI::Hooks profile_hooks(CDevicePage* page);
    void on_timer(const ui::Notification&);
    void on_window_size(const ui::Notification&);
    void ignore(const ui::Notification&) {}

    void start_scanning();
    void stop_workers();
    void fit_to_monitor();
    void build_tray();
    void show_tray_menu();
    void show_lighting_control_label();
    void announce_lighting_control();
    void send_light_status_on();
    void select_neighbour(int step);
    int selected_page() const;

    ShellContext context_;
    SkinResources& skin_;
    SessionService& session_;
    QWidget* root_ = nullptr;
    QStackedWidget* device_switch_ = nullptr;
    QStackedWidget* power_switch_ = nullptr;
    QWidget* no_device_ = nullptr;
    QWidget* select_strip_ = nullptr;

    std::unique_ptr<ui::ControlTimers> timers_;
    std::unique_ptr<presence::DevicePresence> presence_;
    std::unique_ptr<presence::WorkerTable> workers_;
    std::shared_ptr<presence::DeviceScanner> scanner_;
    std::vector<CDevicePage*> pages_;
    std::vector<CDeviceOptionUI*> items_;
    std::vector<CMpDevicePowerUI*> indicators_;  // null for pages without a power display

    QHash<QString, Handler> click_routes_;            // names compared without case
    QHash<QString, Handler> exact_click_routes_;      // names compared as written
    std::vector<PrefixRoute> click_prefix_routes_;    // "key_", "windowdeviceset_", ...
    QHash<QString, int> function_tabs_;               // option name -> function tab number

    QSystemTrayIcon* tray_ = nullptr;
    QMenu* tray_menu_ = nullptr;
    QPointer<CSetWnd> settings_;
    QPointer<CSkinFrame> skin_frame_;

    profiles::TimestampIdSource identifiers_;  // profiles and macros of every page
    int pending_profile_ = -1;                  // the combo's choice, taken up by timer 1055
    int density_ = 96;
    int language_index_ = -1;
    bool lighting_control_ = true;
    bool awake_ = true;
    bool initialised_ = false;
    bool exiting_ = false;
    bool display_change_pending_ = false;
    bool start_in_tray_ = false;
    bool first_scan_complete_ = false;
};

}  // namespace ilmo::shell
