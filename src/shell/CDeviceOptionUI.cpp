#include "shell/CDeviceOptionUI.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include "shell/SelectorLook.h"
#include "shell/SkinResources.h"
#include "shell/names/DeviceOptionNames.h"
#include "shell/ui/ControlLookup.h"

namespace ilmo::shell {

namespace option_names = names::device_option;

CDeviceOptionUI::CDeviceOptionUI(SkinResources& skin, device::DeviceKind kind,
                                 device::InterfaceRole role, QWidget* parent)
    : QWidget(parent), skin_(skin) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(option_names::kUiFile), this, nullptr);
    if (content_ == nullptr) return;
    layout->addWidget(content_);
    select_ = ui::find_control<QAbstractButton>(content_, QString::fromLatin1(option_names::kDeviceSelect));
    sync_ = ui::find_control<QAbstractButton>(content_,
                                              QString::fromLatin1(option_names::kSynchroDeviceSelect));
    if (const auto look = selector_look(kind, role)) {
        icon_stem_ = QString::fromLatin1(look->stem);
        name_key_ = QString::fromLatin1(look->name_text);
    }
    if (select_ != nullptr) {
        // Which item is selected is decided across all items by device presence; a group of
        // one inside this item would forbid ever unselecting it.
        if (QButtonGroup* group = select_->group()) group->removeButton(select_);
        select_->setCheckable(true);
        connect(select_, &QAbstractButton::clicked, this, &CDeviceOptionUI::select_clicked);
        connect(select_, &QAbstractButton::toggled, this, [this] { update_icons(); });
    }
    if (sync_ != nullptr) {
        sync_->setCheckable(true);
        sync_->setVisible(false);
        connect(sync_, &QAbstractButton::clicked, this, [this](bool chosen) {
            update_icons();
            emit sync_toggled(chosen);
        });
    }
    retranslate();
    update_icons();
}

void CDeviceOptionUI::update_icons() {
    if (select_ == nullptr || icon_stem_.isEmpty()) return;
    const bool synchro = sync_chosen();
    const QString base = QString::fromLatin1(option_names::kIconFolder) + icon_stem_;
    const QString normal = base + QString::fromLatin1(synchro ? option_names::kSynchroNormalSuffix
                                                        : option_names::kNormalSuffix);
    const QString chosen = base + QString::fromLatin1(synchro ? option_names::kSynchroSelectedSuffix
                                                        : option_names::kSelectedSuffix);
    // The option draws itself from these images (paths under the skin folder).
    select_->setProperty("normalimage", normal);
    select_->setProperty("hotimage", chosen);
    select_->setProperty("selectedimage", chosen);
    select_->update();
}

void CDeviceOptionUI::retranslate() {
    if (name_key_.isEmpty() || content_ == nullptr) return;
    const QString name = skin_.text(name_key_);
    if (auto* label = ui::find_control<QLabel>(content_,
                                               QString::fromLatin1(option_names::kDeviceSelectName)))
        label->setText(name);
    if (select_ != nullptr) select_->setToolTip(name);
}

void CDeviceOptionUI::set_selected(bool selected) {
    if (select_ != nullptr) select_->setChecked(selected);
}

bool CDeviceOptionUI::selected() const { return select_ != nullptr && select_->isChecked(); }

void CDeviceOptionUI::set_sync_offered(bool offered) {
    if (sync_ != nullptr) sync_->setVisible(offered);
}

void CDeviceOptionUI::set_sync_chosen(bool chosen) {
    if (sync_ == nullptr) return;
    sync_->setChecked(chosen);
    update_icons();
}

bool CDeviceOptionUI::sync_chosen() const { return sync_ != nullptr && sync_->isChecked(); }

void CDeviceOptionUI::start_timer(presence::ItemTimer timer, int delay_ms) {
    const int id = static_cast<int>(timer);
    QTimer*& t = timers_[id];
    if (t == nullptr) {
        t = new QTimer(this);
        t->setSingleShot(true);
        connect(t, &QTimer::timeout, this, [this, timer] {
            if (on_timer_) on_timer_(timer);
        });
    }
    t->start(delay_ms);
}

void CDeviceOptionUI::stop_timer(presence::ItemTimer timer) {
    if (QTimer* t = timers_.value(static_cast<int>(timer))) t->stop();
}

bool CDeviceOptionUI::timer_pending(presence::ItemTimer timer) const {
    const QTimer* t = timers_.value(static_cast<int>(timer));
    return t != nullptr && t->isActive();
}

}  // namespace ilmo::shell
