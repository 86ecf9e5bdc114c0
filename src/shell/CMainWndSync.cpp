// Synchronised lighting and game events as the main window handles them: starting the common
// effect on the devices that take part, and the lighting a game asks for on the selected
// device until the page's own comes back.

#include <QAbstractButton>
#include <algorithm>
#include <utility>

#include "keyboard/SyncMode.h"
#include "lighting/SyncLighting.h"
#include "presence/DevicePresence.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CLightControlUI.h"
#include "shell/CMainWnd.h"
#include "shell/PresenceWorkers.h"
#include "shell/ui/ControlTimers.h"

namespace ilmo::shell {

namespace {

// The game's lighting gives way to the page's own after this long.
constexpr int kGameEventRestoreMs = 5000;
// wParam of a game event: 0 lights the mode over the page's current lighting, 1 and 2 over
// the lighting the profile stores.
constexpr int kGameOverCurrent = 0;
constexpr int kGameOverStoredLast = 2;
// Modes past this one are not kept to return to: the device goes back to its first mode.
constexpr int kLastReturnMode = 20;
constexpr uint8_t kReturnModeFallback = 1;

keyboard::LightingDevice* lighting_device(device::CTavrinUSBDevice* controller) {
    return dynamic_cast<keyboard::LightingDevice*>(controller);
}

// The mode to return to once the game's lighting ends.
uint8_t return_mode(uint8_t mode) {
    return mode == 0 || mode > kLastReturnMode ? kReturnModeFallback : mode;
}

}  // namespace

void CMainWnd::start_sync_lighting() {
    keyboard::LightingDevice* source = lighting_device(selected_device());
    if (source == nullptr || !devices_) return;
    const std::optional<lighting::SyncType> type =
        devices_->sync_lighting().start(keyboard::controller_kind(*source), source->lighting());
    if (!type) return;
    // Only the devices whose sync choice is ticked follow; the others keep their lighting.
    for (int index = 0; index < page_count(); ++index) {
        const presence::PresencePage& entry = presence()->page(index);
        keyboard::LightingDevice* device = lighting_device(entry.controller);
        if (device == nullptr || !entry.connected || !device->sync_flag()) continue;
        if (const auto record = keyboard::sync_lighting_for(*device, *type))
            apply_page_lighting(index, *record);
    }
}

int CMainWnd::take_part_in_sync_everywhere() {
    for (CDeviceOptionUI* item : items_)
        if (item->isVisibleTo(this) && !item->sync_chosen() && item->sync_button() != nullptr)
            item->sync_button()->click();
    start_sync_lighting();
    int taking_part = 0;
    for (int index = 0; index < page_count(); ++index)
        taking_part += presence()->page(index).controller->sync_flag() ? 1 : 0;
    return taking_part;
}

void CMainWnd::show_sync_offer_on_panels(bool offered) {
    // The panel's same-mode flag lets "deng_same_mode" show in the modes that have a common
    // effect.
    for (CDevicePage* page : pages_)
        if (CLightControlUI* panel = page->light_panel()) panel->set_same_mode(offered);
}

void CMainWnd::leave_sync(int page_index) {
    presence()->set_sync_choice(page_index, false);
    items_[static_cast<size_t>(page_index)]->set_sync_chosen(false);
}

void CMainWnd::apply_page_lighting(int page_index, const device::LightRecord& record) {
    keyboard::LightingDevice* device = lighting_device(page(page_index)->controller());
    if (device == nullptr) return;
    // A profile that could not be saved still lights the device; the next change saves again.
    if (!device->change_lighting(record))
        trace(QStringLiteral("saving the lighting of page %1 failed").arg(page_index));
    page(page_index)->write_lighting();
}

void CMainWnd::show_game_lighting(int page_index, const device::LightRecord& record) {
    keyboard::LightingDevice* device = lighting_device(page(page_index)->controller());
    if (device == nullptr) return;
    device->show_passing_lighting(record);
    page(page_index)->write_lighting();
}

void CMainWnd::handle_game_event(const QString& name, int wparam, int lparam) {
    // While the system sleeps, nothing but the wake-up itself is handled.
    if (!awake_) return;
    Q_UNUSED(name);
    const int page_index = selected_page();
    keyboard::LightingDevice* device =
        page_index >= 0 ? lighting_device(page(page_index)->controller()) : nullptr;
    if (device != nullptr && wparam >= kGameOverCurrent && wparam <= kGameOverStoredLast) {
        leave_sync(page_index);
        device::LightRecord record =
            wparam == kGameOverCurrent ? device->lighting() : device->stored_lighting();
        const bool already_lit = std::find(game_lit_pages_.begin(), game_lit_pages_.end(),
                                           page_index) != game_lit_pages_.end();
        // The user's mode is kept to return to, whichever record the game lights over; a
        // second event while the game's lighting shows keeps it rather than the game's.
        record.old_mode = already_lit ? device->lighting().old_mode : return_mode(record.mode);
        record.mode = static_cast<uint8_t>(lparam & 0xFF);
        // The user may switch pages between events: every page lit gets its lighting back.
        if (!already_lit) game_lit_pages_.push_back(page_index);
        show_game_lighting(page_index, record);
    }
    // Whatever came, and whether or not a page is shown, the page's own lighting takes over
    // again later.
    timers_->set_timer(this, kGameEventTimer, kGameEventRestoreMs);
}

void CMainWnd::on_game_event_timer() {
    // The pages the game lit get their lighting back, even when another is shown by now; when
    // the game lit none, no page's lighting is touched.
    for (const int page_index : std::exchange(game_lit_pages_, {})) {
        leave_sync(page_index);
        keyboard::LightingDevice* device = lighting_device(page(page_index)->controller());
        if (device == nullptr) continue;
        device::LightRecord record = device->lighting();
        record.mode = record.old_mode;
        apply_page_lighting(page_index, record);
    }
}

}  // namespace ilmo::shell
