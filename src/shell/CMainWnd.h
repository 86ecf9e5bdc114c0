#pragma once
// The main window: the hub of the program. It builds one page per device, shows the device
// selector, routes every notification of its controls (to the page a control sits on, or by
// name to its own handlers), lives on in the tray and talks to companion programs over the
// session bus. The tray (MainWndTray), the background workers (PresenceWorkers) and the name
// routes (RouteTable) are parts of their own.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "device/LightingTypes.h"
#include "presence/PresenceView.h"
#include "profiles/TimestampId.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/DeviceHooks.h"
#include "shell/RouteTable.h"
#include "shell/ShellContext.h"
#include "shell/ui/NotificationSink.h"

class QStackedWidget;

namespace ilmo::presence {
class DevicePresence;
}

namespace ilmo::profiles {
class AudioStyleDocument;
}

namespace ilmo::shell {

namespace ui {
class ControlTimers;
}
class CDevicePage;
class CDeviceOptionUI;
class CMpDevicePowerUI;
class CSetWnd;
class CSkinFrame;
class MainWndTray;
class MusicLink;
class PresenceWorkers;
class SessionService;
class SkinResources;

class CMainWnd : public QWidget, public ui::NotificationSink, public presence::PresenceView {
    Q_OBJECT
public:
    // Main window timers (each fires once).
    enum Timer {
        kFitTimer = 1011,       // fit to the monitor
        kTrayMenuTimer = 1032,  // open the tray menu
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
    // What the identity message does: a second start or a companion program asks the running
    // window to show itself.
    void show_and_raise();
    // The number the identity message goes by in the traces, taken once per process the way
    // a message name is registered.
    static int identity_message_number();
    // Ends the program: what the tray menu's "exit" does.
    void exit_program();
    void close_child_windows() override;

    // nullptr before initialise().
    presence::DevicePresence* presence() const;
    // Where audio capture's notices arrive; null until the window was first fitted.
    MusicLink* music_link() const { return music_.get(); }
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
    // For the demo's benchmark: ticks the sync choice of every shown device as the user
    // would, then starts synchronised lighting from the selected page. Returns how many
    // devices take part.
    int take_part_in_sync_everywhere();
    void apply_skin_background(bool use_colour, QRgb colour, const QString& image);
    // Adds an item to the tray menu before "exit"; its text is the language key's wording.
    void add_tray_action(const QString& name, const QString& text_key, std::function<void()> action);
    // Whether one of the window's own timers is waiting to fire.
    bool timer_pending(Timer timer);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // ui::NotificationSink
    void notify(const ui::Notification& notification) override;
    void build_routes();
    // The page a control sits on; nullptr for the window's own controls.
    CDevicePage* page_holding(QObject* control) const;
    // A mouse page's DPI stage colour through the colour dialog; nothing when not chosen.
    std::optional<QColor> choose_stage_colour(QWidget* page, QColor initial);

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
    void before_page_refresh(int page) override;
    void switch_hooks_off() override;
    void close_settings_window() override;

    // Handlers of the window's own controls.
    void on_close_button();
    void on_skin_button(const ui::Notification& n);
    void on_control_light_status();
    void on_window_device_set(const ui::Notification& n);
    void on_timer(const ui::Notification& n);
    void on_window_size(const ui::Notification& n);
    void on_game_event_timer();

    // Synchronised lighting and game events (CMainWndSync.cpp).
    // "deng_same_mode": the selected page's effect becomes the common one, and every
    // connected device taking part switches to it.
    void start_sync_lighting();
    // The lighting panels offer "deng_same_mode" only while the selector offers the sync
    // choice.
    void show_sync_offer_on_panels(bool offered);
    // The page's device leaves synchronised lighting.
    void leave_sync(int page_index);
    // Keeps `record` as the page's lighting, writes it to the device as device work, then
    // redraws the page.
    void apply_page_lighting(int page_index, const device::LightRecord& record);
    // The same for a game's passing lighting: the profile keeps the user's.
    void show_game_lighting(int page_index, const device::LightRecord& record);

    CDeviceProfileUI::Hooks profile_hooks(CDevicePage* page);
    DeviceHooks device_hooks(int page_index);
    void start_scanning();
    void stop_workers();
    // Shows and raises the window after tracing the message's parameters.
    void identity_message(int wparam, int lparam);
    // Shows, restores and raises the window (the tray, an arrival, a request to show).
    void restore_and_raise();
    // Takes the window off the screen: to the tray where there is one, else to the task bar,
    // so that the program never becomes unreachable.
    void put_away();
    void toggle_from_tray();
    void fit_to_monitor();
    // The music the computer plays drives the keyboard's music lighting from now on.
    void start_music_capture();
    void show_title_buttons();
    void show_lighting_control_label();
    void announce_lighting_control();
    void send_light_status_on();
    void select_neighbour(int step);
    int selected_page() const;
    void trace(const QString& line) const;

    ShellContext context_;
    SkinResources& skin_;
    SessionService& session_;
    QWidget* root_ = nullptr;
    QStackedWidget* device_switch_ = nullptr;
    QStackedWidget* power_switch_ = nullptr;
    QWidget* no_device_ = nullptr;
    QWidget* select_strip_ = nullptr;
    QWidget* max_button_ = nullptr;
    QWidget* restore_button_ = nullptr;

    std::unique_ptr<ui::ControlTimers> timers_;
    std::unique_ptr<PresenceWorkers> devices_;
    // Audio capture's window; made when the window is fitted, gone before the devices.
    std::unique_ptr<MusicLink> music_;
    // The music styles ("AudioFile.json"), merged from the shipped and the user file at start.
    std::unique_ptr<profiles::AudioStyleDocument> music_styles_;
    MainWndTray* tray_ = nullptr;
    std::vector<CDevicePage*> pages_;
    std::vector<CDeviceOptionUI*> items_;
    std::vector<CMpDevicePowerUI*> indicators_;  // null for pages without a power display

    RouteTable click_routes_;
    RouteTable select_routes_;

    QPointer<CSetWnd> settings_;
    QPointer<CSkinFrame> skin_frame_;

    profiles::TimestampIdSource identifiers_;  // profiles and macros of every page
    int density_ = 96;
    int language_index_ = -1;
    bool lighting_control_ = true;
    bool awake_ = true;
    bool initialised_ = false;
    bool exiting_ = false;
    bool display_change_pending_ = false;
    bool start_in_tray_ = false;
    bool first_scan_complete_ = false;
    // The pages whose lighting game events replaced until the restore timer fires.
    std::vector<int> game_lit_pages_;
};

}  // namespace ilmo::shell
