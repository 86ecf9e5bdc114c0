#include "shell/CDeviceProfileUI.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include "profiles/ProfileListTabs.h"
#include "shell/SkinResources.h"
#include "shell/names/ProfilePanelNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace panel_names = names::profile_panel;

namespace {

QString from_utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString latin(const char* text) { return QString::fromLatin1(text); }

struct ClickRoute {
    const char* name;
    void (CDeviceProfileUI::*operation)();
    Qt::CaseSensitivity compare;
};

// "Restore factory settings" is the reset to the model's default document.
constexpr ClickRoute kClickRoutes[] = {
    {panel_names::kAddBtn, &CDeviceProfileUI::add_profile, Qt::CaseInsensitive},
    {panel_names::kSubBtn, &CDeviceProfileUI::delete_profile, Qt::CaseInsensitive},
    {panel_names::kCopyBtn, &CDeviceProfileUI::copy_profile, Qt::CaseInsensitive},
    {panel_names::kImportBtn, &CDeviceProfileUI::import_profile, Qt::CaseInsensitive},
    {panel_names::kExportBtn, &CDeviceProfileUI::export_profile, Qt::CaseInsensitive},
    {panel_names::kResetBtn, &CDeviceProfileUI::reset_profile, Qt::CaseInsensitive},
    {panel_names::kDefaultBtn, &CDeviceProfileUI::reset_profile, Qt::CaseInsensitive},
    {panel_names::kEditSaveBtn, &CDeviceProfileUI::rename_profile, Qt::CaseInsensitive},
    {panel_names::kSpreadBtn, &CDeviceProfileUI::toggle_menu, Qt::CaseSensitive},
};

}  // namespace

CDeviceProfileUI::CDeviceProfileUI(QWidget* panel, SkinResources& skin, Hooks hooks,
                                   QObject* parent)
    : QObject(parent), panel_(panel), skin_(skin), hooks_(std::move(hooks)) {
    if (panel_ == nullptr) return;
    combo_ = ui::find_control<QComboBox>(panel_, latin(panel_names::kProfileCombo));
    name_edit_ = ui::find_control<QLineEdit>(panel_, latin(panel_names::kProfileNameEdit));
    menu_ = ui::find_control<QWidget>(panel_, latin(panel_names::kProfileMenuLayout));
    switch_timer_ = new QTimer(this);
    switch_timer_->setSingleShot(true);
    switch_timer_->setInterval(kSwitchDelayMs);
    connect(switch_timer_, &QTimer::timeout, this, [this] { select_profile(current_index()); });
}

CDeviceProfileUI::~CDeviceProfileUI() = default;

bool CDeviceProfileUI::initialise(device::DeviceKind device_kind,
                                  const std::filesystem::path& profile_folder,
                                  const std::filesystem::path& default_document,
                                  profiles::TimestampIdSource& identifiers) {
    if (combo_ == nullptr) return false;
    list_ = std::make_unique<profiles::ProfileList>(
        profile_folder, default_document, device::to_int(device_kind), identifiers, hooks_.trace);
    // Shown once the page is built: a modal box in the middle of a device's arrival would
    // hold up the scan that reported it.
    const profiles::ProfileResult started = list_->initialise();
    QTimer::singleShot(0, this, [this, started] { report(started); });
    fill_combo();
    apply_tab_visibility(device_kind);
    select_tab(static_cast<int>(profiles::ProfileTab::Light));
    return true;
}

bool CDeviceProfileUI::handle_notification(const ui::Notification& n) {
    if (!owns(n.control)) return false;
    if (n.type == QLatin1String("itemselect")) {
        if (n.sender != latin(panel_names::kProfileCombo)) return false;
        // Scrolling through the list must not load every profile on the way.
        switch_timer_->start();
        return true;
    }
    if (n.type != QLatin1String("click")) return false;
    for (const ClickRoute& route : kClickRoutes) {
        if (n.sender.compare(latin(route.name), route.compare) == 0) {
            (this->*route.operation)();
            return true;
        }
    }
    return false;
}

bool CDeviceProfileUI::owns(const QObject* control) const {
    if (control == nullptr || control == panel_) return true;
    const auto* widget = qobject_cast<const QWidget*>(control);
    return widget != nullptr && panel_ != nullptr && panel_->isAncestorOf(widget);
}

bool CDeviceProfileUI::ready() {
    if (!list_) return false;
    if (list_->folder_ready()) return true;
    report({profiles::ProfileOutcome::NoFolder, -1});
    return false;
}

void CDeviceProfileUI::reload_list() {
    if (!list_) return;
    report(list_->initialise());
    fill_combo();
}

int CDeviceProfileUI::current_index() const { return combo_ ? combo_->currentIndex() : -1; }

std::filesystem::path CDeviceProfileUI::current_document() const {
    return list_ ? list_->document_path(list_->selected()) : std::filesystem::path();
}

std::string CDeviceProfileUI::current_name() const {
    if (!list_) return {};
    const int selected = list_->selected();
    const auto& entries = list_->entries();
    return selected >= 0 && static_cast<size_t>(selected) < entries.size()
               ? entries[static_cast<size_t>(selected)].name
               : std::string();
}

void CDeviceProfileUI::fill_combo() {
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    for (const profiles::ProfileEntry& entry : list_->entries()) {
        const QString name = from_utf8(entry.name);
        combo_->addItem(name);
        combo_->setItemData(combo_->count() - 1, name, Qt::ToolTipRole);
    }
    show_selection(list_->selected());
}

void CDeviceProfileUI::show_selection(int index) {
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(index);
    if (name_edit_ != nullptr) name_edit_->setText(combo_->itemText(index));
}

void CDeviceProfileUI::apply_tab_visibility(device::DeviceKind device_kind) {
    const auto visibility = profiles::profile_tab_visibility(device::to_int(device_kind));
    auto tab = [this](profiles::ProfileTab which) {
        return ui::find_control<QWidget>(panel_,
                                         latin(panel_names::kTabs[static_cast<int>(which) - 1]));
    };
    for (const auto which : visibility.hidden)
        if (QWidget* t = tab(which)) t->setVisible(false);
    for (const auto which : visibility.shown)
        if (QWidget* t = tab(which)) t->setVisible(true);
}

void CDeviceProfileUI::select_tab(int tab) {
    for (int n = 1; n <= 8; ++n) {
        auto* option = ui::find_control<QAbstractButton>(panel_, latin(panel_names::kTabs[n - 1]));
        if (option == nullptr) continue;
        // An exclusive group keeps one option on; to clear them all it must let go first.
        QButtonGroup* group = option->group();
        const bool exclusive = group != nullptr && group->exclusive();
        if (exclusive && tab != n) group->setExclusive(false);
        const QSignalBlocker quiet(option);
        option->setChecked(n == tab);
        if (exclusive) group->setExclusive(true);
    }
}

bool CDeviceProfileUI::report(const profiles::ProfileResult& result) {
    if (result.done()) return true;
    const std::string_view key = profiles::notice_key(result.outcome);
    if (!key.empty() && hooks_.notify) hooks_.notify(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    return false;
}

void CDeviceProfileUI::reload_current() {
    if (hooks_.profile_loaded) hooks_.profile_loaded(current_document());
}

void CDeviceProfileUI::add_profile() {
    if (!ready() || !hooks_.confirm("message_text_27")) return;
    if (!report(list_->add_new())) return;
    const int keep = current_index();
    fill_combo();
    show_selection(keep);
}

void CDeviceProfileUI::copy_profile() {
    if (!ready() || current_index() < 0 || !hooks_.confirm("message_text_26")) return;
    if (!report(list_->copy(current_index()))) return;
    const int keep = current_index();
    fill_combo();
    show_selection(keep);
}

void CDeviceProfileUI::delete_profile() {
    if (!ready() || current_index() < 0 || list_->entries().size() < 2) return;
    if (!hooks_.confirm("message_text_29")) return;
    if (!report(list_->remove(current_index()))) return;
    fill_combo();
    reload_current();
}

void CDeviceProfileUI::import_profile() {
    if (!ready() || current_index() < 0 || !hooks_.choose_file) return;
    const QString file = hooks_.choose_file(false);
    if (file.isEmpty()) return;
    const auto result = list_->import_file(file.toStdString());
    // A file that is no profile changes nothing and says nothing.
    if (result.outcome == profiles::ProfileOutcome::NotAProfile || !report(result)) return;
    const int keep = current_index();
    fill_combo();
    show_selection(keep);
}

void CDeviceProfileUI::export_profile() {
    if (!ready() || current_index() < 0 || !hooks_.choose_file) return;
    const QString file = hooks_.choose_file(true);
    if (file.isEmpty()) return;
    report(list_->export_to(current_index(), file.toStdString()));
}

void CDeviceProfileUI::reset_profile() {
    if (!ready() || current_index() < 0 || !hooks_.confirm("message_text_22")) return;
    if (report(list_->reset(current_index()))) reload_current();
}

void CDeviceProfileUI::rename_profile() {
    if (!ready() || name_edit_ == nullptr || current_index() < 0) return;
    const int index = current_index();
    const auto result = list_->rename(index, name_edit_->text().toStdString());
    if (!report(result)) return;
    fill_combo();
    show_selection(index);
}

void CDeviceProfileUI::toggle_menu() {
    // Whether it is hidden, not whether it shows: the page may not be on screen yet.
    if (menu_ != nullptr) menu_->setVisible(menu_->isHidden());
}

void CDeviceProfileUI::select_profile(int index) {
    if (!ready()) return;
    const bool stored = report(list_->select(index));
    Q_UNUSED(stored);  // a choice that cannot be stored is still the one in use
    show_selection(list_->selected());
    reload_current();
}

}  // namespace ilmo::shell
