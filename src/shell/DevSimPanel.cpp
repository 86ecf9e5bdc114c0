#include "shell/DevSimPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "sim/SimBus.h"

namespace ilmo::shell {

namespace {

QString product_title(sim::SimProduct product) {
    switch (product) {
        case sim::SimProduct::Keyboard: return QObject::tr("Keyboard (cable)");
        case sim::SimProduct::KeyboardReceiver: return QObject::tr("Keyboard receiver");
        case sim::SimProduct::Mouse: return QObject::tr("Mouse (cable)");
        case sim::SimProduct::MouseReceiver: return QObject::tr("Mouse receiver");
        case sim::SimProduct::MousePad: return QObject::tr("Mouse-pad");
        case sim::SimProduct::Headset: return QObject::tr("Headset");
    }
    return {};
}

}  // namespace

DevSimPanel::DevSimPanel(std::shared_ptr<sim::SimBus> bus, QWidget* parent)
    : QWidget(parent, Qt::Tool), bus_(std::move(bus)) {
    setObjectName("devsim_panel");
    setWindowTitle(tr("ILMO RQ07 emulator"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("<b>Product</b>")), 0, 0);
    grid->addWidget(new QLabel(tr("<b>Plugged in</b>")), 0, 1);
    grid->addWidget(new QLabel(tr("<b>Device in reach</b>")), 0, 2);
    grid->addWidget(new QLabel(tr("<b>Battery</b>")), 0, 3);
    int row = 1;
    for (const sim::SimProduct product : sim::kAllProducts) {
        grid->addWidget(new QLabel(product_title(product)), row, 0);
        auto* plugged = new QCheckBox;
        plugged->setObjectName(QString("plug_%1").arg(QString::fromUtf8(sim::product_name(product).data())));
        plugged->setChecked(bus_->plugged(product));
        connect(plugged, &QCheckBox::toggled, this, [this, product](bool on) {
            if (on) bus_->plug(product);
            else bus_->unplug(product);
        });
        grid->addWidget(plugged, row, 1);
        if (sim::is_receiver(product)) {
            auto* reach = new QCheckBox;
            reach->setChecked(true);
            connect(reach, &QCheckBox::toggled, this,
                    [this, product](bool on) { bus_->set_device_linked(product, on); });
            grid->addWidget(reach, row, 2);
        }
        if (sim::firmware_kind(product) != sim::FirmwareKind::None && !sim::is_receiver(product)) {
            auto* battery = new QSlider(Qt::Horizontal);
            battery->setRange(0, 100);
            battery->setValue(80);
            connect(battery, &QSlider::valueChanged, this, [this, product](int level) {
                bus_->set_power_status(product, {.battery_percent = level, .charge_state = 2});
            });
            grid->addWidget(battery, row, 3);
        }
        ++row;
    }
}

}  // namespace ilmo::shell
