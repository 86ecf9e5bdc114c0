// The main window as device presence sees it: pages, selector items and power indicators
// are built, shown, selected and timed here.

#include <QBoxLayout>
#include <QFileDialog>
#include <QStackedWidget>

#include "lighting/SyncLighting.h"
#include "presence/DevicePresence.h"
#include "shell/CColorSelectWnd.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CMainWnd.h"
#include "shell/CMpDevicePowerUI.h"
#include "shell/CMsgWnd.h"
#include "shell/DeviceControllers.h"
#include "shell/MousePageBinding.h"
#include "shell/PresenceWorkers.h"
#include "shell/SkinResources.h"
#include "shell/names/PageLayouts.h"

namespace ilmo::shell {

namespace {

// Index 0 of both stacks is the empty page shown while no device is connected.
int stack_index(int page) { return page + 1; }

}  // namespace

std::optional<QColor> CMainWnd::choose_stage_colour(QWidget* page, QColor initial) {
    // A stage has one colour: the seven-colour choice is not offered.
    const CColorSelectWnd::Choice choice = CColorSelectWnd::choose(
        page, skin_, context_.user_data_folder.toStdString(),
        {.initial = initial.rgb(), .offer_seven_color = false, .density = density_}, context_.trace);
    if (choice.outcome != CColorSelectWnd::kChosen) return std::nullopt;
    return QColor::fromRgb(choice.color);
}

device::CTavrinUSBDevice* CMainWnd::create_page(int page_index, int option_row, int slot) {
    const device::DeviceOption& option = device::kDeviceOptions[static_cast<size_t>(option_row)];
    const device::DevicePage& facts = device::kDevicePages[static_cast<size_t>(option_row)];
    const names::PageLayout& layout = names::kPageLayouts[option_row];
    // The indicator shows the product's cable kind: a receiver mouse's is the mouse's.
    const device::DeviceKind kind =
        device::kSupportedInterfaces[static_cast<size_t>(device::identity_row(slot))].kind;

    // The mouse-pad's battery is not read on a timer, but the pad shows its power state, and
    // the phone charging on it, whenever it is read.
    const bool shows_power = facts.has_power_display || option.kind == device::DeviceKind::MousePad;
    auto* indicator = shows_power ? new CMpDevicePowerUI(skin_, kind) : nullptr;
    auto* option_item = new CDeviceOptionUI(skin_, option.kind, option.role);
    QWidget* built = skin_.build(QString::fromLatin1(layout.page->ui_file), nullptr, this);
    auto* page = qobject_cast<CDevicePage*>(built);
    if ((indicator != nullptr && !indicator->built()) || !option_item->built() || page == nullptr) {
        delete indicator;
        delete option_item;
        delete built;
        return nullptr;
    }

    auto controller = make_controller(
        *context_.backend, option_row,
        device::DeviceFolders{context_.program_folder.toStdString(),
                              context_.user_data_folder.toStdString()},
        std::string(device::device_folder_name(option_row)), context_.trace,
        context_.demo_bus != nullptr);
    controller->set_identity(slot);
    device::CTavrinUSBDevice* raw = controller.get();
    CDeviceProfileUI::Hooks hooks = profile_hooks(page);
    page->set_language_texts(&skin_.texts());
    page->set_confirm(hooks.confirm);
    page->set_power_indicator(indicator);
    page->set_device_hooks(device_hooks(page_index));
    page->attach_controller(std::move(controller));
    if (MousePageBinding* mouse = page->mouse_binding())
        mouse->set_choose_colour([this, page](QColor initial) { return choose_stage_colour(page, initial); });
    devices_->sync_lighting().add_device(raw);
    if (CDeviceProfileUI* panel = page->attach_profile_panel(skin_, std::move(hooks))) {
        const auto& folders = raw->folders();
        panel->initialise(option.kind, folders.profile_folder(raw->device_folder_name()),
                          folders.default_profile_file(raw->device_folder_name()), identifiers_);
        page->load_profile(panel->current_document());
    }

    // Pages arrive in order, so the new page's index is the next one in every list.
    Q_ASSERT(page_index == static_cast<int>(pages_.size()));
    pages_.push_back(page);
    items_.push_back(option_item);
    indicators_.push_back(indicator);
    if (device_switch_ != nullptr) device_switch_->insertWidget(stack_index(page_index), page);
    if (power_switch_ != nullptr) {
        // Pages without a battery keep an empty place, so indices stay aligned.
        power_switch_->insertWidget(stack_index(page_index),
                                    indicator != nullptr ? static_cast<QWidget*>(indicator)
                                                         : new QWidget);
    }
    if (select_strip_ != nullptr) {
        auto* strip = qobject_cast<QBoxLayout*>(select_strip_->layout());
        // Items go before the strip's trailing stretch.
        if (strip != nullptr) strip->insertWidget(std::max(0, strip->count() - 1), option_item);
    }
    option_item->setVisible(false);
    option_item->set_timer_handler([this, page_index](presence::ItemTimer timer) {
        if (presence()) presence()->item_timer_fired(page_index, timer);
    });
    connect(option_item, &CDeviceOptionUI::select_clicked, this, [this, page_index] {
        if (presence()) presence()->select_page(page_index, true, true);
    });
    connect(option_item, &CDeviceOptionUI::sync_toggled, this, [this, page_index](bool chosen) {
        if (presence()) presence()->set_sync_choice(page_index, chosen);
        // A device that now takes part ends the sync worker's idle wait.
        if (devices_) devices_->sync_lighting().wake();
    });
    return raw;
}

CDeviceProfileUI::Hooks CMainWnd::profile_hooks(CDevicePage* page) {
    CDeviceProfileUI::Hooks hooks;
    hooks.confirm = [this](const QString& key) {
        return CMsgWnd::ask(this, skin_, {}, key, CMsgWnd::Buttons::ConfirmAndCancel, density_,
                            context_.trace) == 1;
    };
    hooks.notify = [this](const QString& key) {
        CMsgWnd::ask(this, skin_, {}, key, CMsgWnd::Buttons::ConfirmOnly, density_, context_.trace);
    };
    hooks.choose_file = [this](bool for_saving) {
        const QString filter = QStringLiteral("Profile Files(*.json) (*.json)");
        return for_saving ? QFileDialog::getSaveFileName(this, {}, {}, filter)
                          : QFileDialog::getOpenFileName(this, {}, {}, filter);
    };
    hooks.profile_loaded = [page](const std::filesystem::path& document) {
        page->load_profile(document);
    };
    hooks.trace = context_.trace;
    return hooks;
}

DeviceHooks CMainWnd::device_hooks(int page_index) {
    DeviceHooks hooks;
    hooks.run_device_work = [this, page_index](std::function<device::Result()> work,
                                               std::function<void(device::Result)> apply) {
        if (presence()) presence()->run_device_work(page_index, std::move(work), std::move(apply));
    };
    hooks.start_page_timer = [this, page_index](device::PageTimer timer, int delay_ms) {
        start_item_timer(page_index, static_cast<presence::ItemTimer>(timer), delay_ms);
    };
    hooks.resume_frames = [this, page_index] {
        if (presence()) presence()->resume_frames(page_index);
    };
    return hooks;
}

void CMainWnd::before_page_refresh(int page_index) {
    if (CDevicePage* p = page(page_index)) p->reload_profiles_if_asked();
}

void CMainWnd::set_item_visible(int page, bool visible) {
    if (CDeviceOptionUI* option = item(page)) option->setVisible(visible);
}

void CMainWnd::set_item_selected(int page, bool selected) {
    if (CDeviceOptionUI* option = item(page)) option->set_selected(selected);
}

void CMainWnd::show_page(int page_index) {
    if (page(page_index) == nullptr) return;
    if (device_switch_ != nullptr) device_switch_->setCurrentIndex(stack_index(page_index));
    if (power_switch_ != nullptr) {
        const bool has_indicator = indicators_[static_cast<size_t>(page_index)] != nullptr;
        power_switch_->setVisible(has_indicator);
        power_switch_->setCurrentIndex(stack_index(page_index));
    }
}

void CMainWnd::show_no_device(bool shown) {
    if (no_device_ != nullptr) no_device_->setVisible(shown);
    if (!shown) return;
    if (device_switch_ != nullptr) device_switch_->setCurrentIndex(0);
    if (power_switch_ != nullptr) power_switch_->setCurrentIndex(0);
}

void CMainWnd::set_sync_offered(bool offered) {
    for (CDeviceOptionUI* option : items_) option->set_sync_offered(offered);
    show_sync_offer_on_panels(offered);
}

void CMainWnd::clear_sync_choices() {
    for (CDeviceOptionUI* option : items_) option->set_sync_chosen(false);
}

void CMainWnd::raise_main_window() {
    // Devices found while starting in the tray do not pull the window up; later ones do.
    if (start_in_tray_ && !first_scan_complete_) return;
    // An arrival restores and raises the window itself; it is not a show request from
    // another start, so it does not go through (nor trace) the identity message.
    restore_and_raise();
}

void CMainWnd::start_item_timer(int page, presence::ItemTimer timer, int delay_ms) {
    if (CDeviceOptionUI* option = item(page)) option->start_timer(timer, delay_ms);
}

void CMainWnd::stop_item_timer(int page, presence::ItemTimer timer) {
    if (CDeviceOptionUI* option = item(page)) option->stop_timer(timer);
}

bool CMainWnd::send_light_frame(int page_index) {
    CDevicePage* p = page(page_index);
    if (p == nullptr || p->controller() == nullptr) return false;
    // Outside the host-driven modes the frames rest; the lighting thread repaints the
    // preview itself.
    return p->controller()->build_and_send_frame();
}

void CMainWnd::refresh_page(int page_index) {
    if (CDevicePage* p = page(page_index)) p->refresh_lights();
}

void CMainWnd::switch_hooks_off() {
    // The global input hooks are only installed while a key is captured or a macro
    // recorded; neither runs while a page is being hidden.
}

}  // namespace ilmo::shell
