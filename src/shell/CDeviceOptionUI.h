#pragma once
// One device in the selector strip: its icon and name, the choice to show its page, the
// choice to take part in synchronised lighting, and the timers it runs for its page.

#include <QHash>
#include <QWidget>
#include <functional>

#include "device/DeviceTables.h"
#include "presence/ItemTimer.h"

class QAbstractButton;
class QTimer;

namespace ilmo::shell {

class SkinResources;

class CDeviceOptionUI : public QWidget {
    Q_OBJECT
public:
    using TimerFired = std::function<void(presence::ItemTimer)>;

    CDeviceOptionUI(SkinResources& skin, device::DeviceKind kind, device::InterfaceRole role,
                    QWidget* parent = nullptr);
    bool built() const { return content_ != nullptr; }

    QAbstractButton* select_button() const { return select_; }
    QAbstractButton* sync_button() const { return sync_; }

    void set_selected(bool selected);
    bool selected() const;
    void set_sync_offered(bool offered);
    void set_sync_chosen(bool chosen);
    bool sync_chosen() const;
    // Shows the language key's wording again (after a language change).
    void retranslate();

    // One-shot timers; arming one again replaces the pending one.
    void set_timer_handler(TimerFired handler) { on_timer_ = std::move(handler); }
    void start_timer(presence::ItemTimer timer, int delay_ms);
    void stop_timer(presence::ItemTimer timer);
    bool timer_pending(presence::ItemTimer timer) const;

signals:
    void select_clicked();
    void sync_toggled(bool chosen);

private:
    void update_icons();

    SkinResources& skin_;
    QWidget* content_ = nullptr;
    QAbstractButton* select_ = nullptr;
    QAbstractButton* sync_ = nullptr;
    QString icon_stem_;
    QString name_key_;
    TimerFired on_timer_;
    QHash<int, QTimer*> timers_;
};

}  // namespace ilmo::shell
