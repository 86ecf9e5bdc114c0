#include "shell/CMpDevicePowerUI.h"

#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>

#include "shell/SkinResources.h"
#include "shell/names/PowerIndicatorNames.h"
#include "shell/ui/ControlLookup.h"

namespace ilmo::shell {

namespace power_names = names::power_indicator;

namespace {

// "file='power/x.png'" -> "power/x.png"
QString image_of(std::string_view file_attribute) {
    QString text = QString::fromUtf8(file_attribute.data(), static_cast<qsizetype>(file_attribute.size()));
    const qsizetype first = text.indexOf('\'');
    const qsizetype last = text.lastIndexOf('\'');
    return first >= 0 && last > first ? text.mid(first + 1, last - first - 1) : text;
}

}  // namespace

CMpDevicePowerUI::CMpDevicePowerUI(SkinResources& skin, device::DeviceKind kind, QWidget* parent)
    : QWidget(parent), skin_(skin), kind_(kind) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(power_names::kUiFile), this, nullptr);
    if (content_ == nullptr) return;
    layout->addWidget(content_);
    // No timer reads the pad's state: until a read comes there is nothing true to show.
    if (kind_ == device::DeviceKind::MousePad) content_->hide();
}

void CMpDevicePowerUI::show_image(const char* control, const char* relative_image) {
    auto* label = ui::find_control<QLabel>(content_, QString::fromLatin1(control));
    if (label == nullptr) return;
    label->setPixmap(QPixmap(skin_.paths().resource_file(QString::fromUtf8(relative_image))));
}

void CMpDevicePowerUI::show_status(const device::PowerStatus& status) {
    if (content_ == nullptr) return;
    content_->show();
    if (auto* value = ui::find_control<QLabel>(content_, QString::fromLatin1(power_names::kPowerValue)))
        value->setText(QString::fromStdString(device::battery_text(status)));
    if (auto* bar = ui::find_control<QProgressBar>(content_,
                                                   QString::fromLatin1(power_names::kPowerProgress)))
        bar->setValue(device::battery_progress(status));
    const QString charge = image_of(device::charge_image(status));
    if (!charge.isEmpty()) show_image(power_names::kChargeImage, charge.toUtf8().constData());
    if (auto* logo = ui::find_control<QWidget>(content_, QString::fromLatin1(power_names::kWirelessLogo)))
        logo->setVisible(status.on_receiver());
    auto* phone = ui::find_control<QLabel>(content_, QString::fromLatin1(power_names::kPhoneTypeImage));
    if (phone != nullptr) {
        const bool pad = kind_ == device::DeviceKind::MousePad;
        phone->setVisible(pad);
        if (pad) {
            show_image(power_names::kPhoneTypeImage,
                       image_of(device::phone_type_image(status)).toUtf8().constData());
            phone->setToolTip(skin_.text(QString::fromUtf8(device::phone_type_key(status).data())));
        }
    }
}

}  // namespace ilmo::shell
