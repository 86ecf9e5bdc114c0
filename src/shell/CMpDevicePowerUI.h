#pragma once
// The power indicator of a page with a battery: level, charge state, the wireless logo and,
// on a mouse-pad, the phone charging on it.

#include <QWidget>

#include "device/DeviceTables.h"
#include "device/PowerStatus.h"

namespace ilmo::shell {

class SkinResources;

class CMpDevicePowerUI : public QWidget {
    Q_OBJECT
public:
    // Builds the indicator's layout inside itself; `kind` is the device kind it shows.
    CMpDevicePowerUI(SkinResources& skin, device::DeviceKind kind, QWidget* parent = nullptr);
    bool built() const { return content_ != nullptr; }
    device::DeviceKind kind() const { return kind_; }

    void show_status(const device::PowerStatus& status);

private:
    void show_image(const char* control, const char* relative_image);

    SkinResources& skin_;
    device::DeviceKind kind_;
    QWidget* content_ = nullptr;
};

}  // namespace ilmo::shell
