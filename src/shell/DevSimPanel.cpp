#include "shell/DevSimPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "sim/DeviceEvents.h"
#include "sim/SimBus.h"

namespace ilmo::shell {

namespace {

using sim::SimFaults;
using sim::SimProduct;

// Packets the route still answers once a pull is armed: the product drops off at the next
// packet after the one it answers, inside whatever transfer runs then.
constexpr int kPullAfterPackets = 1;
constexpr int kSlowestAnswerMs = 6000;
constexpr int kSlowStepMs = 100;

QString product_title(SimProduct product) {
    switch (product) {
        case SimProduct::Keyboard: return QObject::tr("Keyboard (cable)");
        case SimProduct::KeyboardReceiver: return QObject::tr("Keyboard receiver");
        case SimProduct::Mouse: return QObject::tr("Mouse (cable)");
        case SimProduct::MouseReceiver: return QObject::tr("Mouse receiver");
        case SimProduct::MousePad: return QObject::tr("Mouse-pad");
        case SimProduct::Headset: return QObject::tr("Headset");
    }
    return {};
}

QString control_name(const char* what, SimProduct product) {
    return QString("%1_%2").arg(QLatin1String(what),
                                QString::fromUtf8(sim::product_name(product).data(),
                                                  static_cast<qsizetype>(sim::product_name(product).size())));
}

QLabel* header(const QString& text) {
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// Refusal statuses the combo offers, in its order.
constexpr std::array<uint8_t, 3> kStatusChoices{0x00, 0xFF, 0xFE};

// The device's buttons report through its cable while that is plugged, else its receiver.
SimProduct reaching(const sim::SimBus& bus, SimProduct cable, SimProduct receiver) {
    return bus.plugged(cable) ? cable : receiver;
}

// Key events carry the position in their low byte.
constexpr int kHighestKeyPosition = 0xFF;

// The devices of the events box, in its combo's order; each sends through whichever of its
// links reaches the host.
constexpr int kKeyboardEvents = 0;
constexpr int kMouseEvents = 1;
SimProduct event_source(const sim::SimBus& bus, int choice) {
    switch (choice) {
        case kKeyboardEvents: return reaching(bus, SimProduct::Keyboard, SimProduct::KeyboardReceiver);
        case kMouseEvents: return reaching(bus, SimProduct::Mouse, SimProduct::MouseReceiver);
        default: return SimProduct::MousePad;
    }
}

// The sensors the mouse can be fitted with, in the sensor combo's order.
struct SensorChoice {
    const char* title;
    sim::MouseSensor sensor;
};
constexpr std::array<SensorChoice, 2> kSensorChoices{{
    {QT_TRANSLATE_NOOP("DevSimPanel", "High-DPI 0x3325 (100 DPI steps from 100)"),
     sim::kHighDpiSensor},
    {QT_TRANSLATE_NOOP("DevSimPanel", "Standard 0x3360 (50 DPI steps from 50)"),
     sim::kStandardSensor},
}};

int sensor_choice(uint16_t sensor_id) {
    for (size_t i = 0; i < kSensorChoices.size(); ++i) {
        if (kSensorChoices[i].sensor.id == sensor_id) return static_cast<int>(i);
    }
    return -1;
}

QSpinBox* sixteen_bit_hex_box(const char* name) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 0xFFFF);
    box->setDisplayIntegerBase(16);
    box->setPrefix("0x");
    return box;
}

QString sent_text(bool sent, SimProduct through) {
    return sent ? QObject::tr("Sent through %1").arg(product_title(through))
                : QObject::tr("Not sent: %1 cannot reach the computer").arg(product_title(through));
}

}  // namespace

DevSimPanel::DevSimPanel(std::shared_ptr<sim::SimBus> bus, QWidget* parent)
    : QWidget(parent, Qt::Tool), bus_(std::move(bus)) {
    setObjectName("devsim_panel");
    setWindowTitle(tr("ILMO RQ07 emulator"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(make_products_box());
    column->addWidget(make_faults_box());
    column->addWidget(make_buttons_box());
    column->addWidget(make_events_box());
    column->addStretch();

    auto* sync = new QTimer(this);
    connect(sync, &QTimer::timeout, this, &DevSimPanel::sync_from_bus);
    sync->start(kSyncPeriodMs);
}

QGroupBox* DevSimPanel::make_products_box() {
    auto* box = new QGroupBox(tr("Products"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(header(tr("Product")), 0, 0);
    grid->addWidget(header(tr("Plugged in")), 0, 1);
    grid->addWidget(header(tr("Device in reach")), 0, 2);
    grid->addWidget(header(tr("Battery")), 0, 3);
    int row = 1;
    for (const SimProduct product : sim::kAllProducts) {
        grid->addWidget(new QLabel(product_title(product)), row, 0);
        auto* plugged = new QCheckBox;
        plugged->setObjectName(control_name("plug", product));
        plugged->setChecked(bus_->plugged(product));
        connect(plugged, &QCheckBox::toggled, this, [this, product](bool on) {
            if (on) bus_->plug(product);
            else bus_->unplug(product);
        });
        grid->addWidget(plugged, row, 1, Qt::AlignCenter);
        if (sim::is_receiver(product)) {
            auto* reach = new QCheckBox;
            reach->setObjectName(control_name("reach", product));
            reach->setChecked(true);
            connect(reach, &QCheckBox::toggled, this,
                    [this, product](bool on) { bus_->set_device_linked(product, on); });
            grid->addWidget(reach, row, 2, Qt::AlignCenter);
        }
        if (sim::firmware_kind(product) != sim::FirmwareKind::None && !sim::is_receiver(product))
            add_battery(grid, row, product);
        ++row;
    }
    return box;
}

void DevSimPanel::add_battery(QGridLayout* grid, int row, sim::SimProduct product) {
    auto* battery = new QSlider(Qt::Horizontal);
    battery->setObjectName(control_name("battery", product));
    battery->setRange(0, 100);
    battery->setMinimumWidth(120);
    battery->setValue(bus_->with_firmware(product, [](const sim::Firmware& firmware) {
        return firmware.read(sim::FirmwareMemory::PowerStatus, sim::power_byte::kBatteryPercent, 1)
            .at(0);
    }));
    auto* percent = new QLabel;
    percent->setMinimumWidth(percent->fontMetrics().horizontalAdvance("100 %"));
    percent->setText(tr("%1 %").arg(battery->value()));
    connect(battery, &QSlider::valueChanged, this, [this, product, percent](int level) {
        percent->setText(tr("%1 %").arg(level));
        bus_->set_power_status(product, {.battery_percent = level, .charge_state = 2});
    });
    grid->addWidget(battery, row, 3);
    grid->addWidget(percent, row, 4);
}

QGroupBox* DevSimPanel::make_faults_box() {
    auto* box = new QGroupBox(tr("Faults on the command route"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(header(tr("Product")), 0, 0);
    grid->addWidget(header(tr("No answer")), 0, 1);
    grid->addWidget(header(tr("Wrong echo")), 0, 2);
    grid->addWidget(header(tr("Refuses")), 0, 3);
    grid->addWidget(header(tr("Slow")), 0, 4);
    grid->addWidget(header(tr("Unplug mid-write")), 0, 5);
    int row = 1;
    for (size_t i = 0; i < sim::kAllProducts.size(); ++i) {
        // The headset has no command route: its lighting reports are never answered.
        if (sim::firmware_kind(sim::kAllProducts[i]) == sim::FirmwareKind::None) continue;
        add_fault_row(grid, row++, static_cast<int>(i));
    }
    return box;
}

void DevSimPanel::add_fault_row(QGridLayout* grid, int row, int product_index) {
    const SimProduct product = sim::kAllProducts[static_cast<size_t>(product_index)];
    // Each control changes its own field of the product's faults and keeps the others.
    const auto change = [this, product](const std::function<void(SimFaults&)>& edit) {
        SimFaults faults = bus_->faults(product);
        edit(faults);
        bus_->set_faults(product, faults);
    };
    grid->addWidget(new QLabel(product_title(product)), row, 0);

    auto* silent = new QCheckBox;
    silent->setObjectName(control_name("fault_silent", product));
    silent->setToolTip(tr("Requests are taken but never answered"));
    connect(silent, &QCheckBox::toggled, this,
            [change](bool on) { change([on](SimFaults& f) { f.no_answer = on; }); });
    grid->addWidget(silent, row, 1, Qt::AlignCenter);

    auto* echo = new QCheckBox;
    echo->setObjectName(control_name("fault_echo", product));
    echo->setToolTip(tr("Answers name another command"));
    connect(echo, &QCheckBox::toggled, this,
            [change](bool on) { change([on](SimFaults& f) { f.wrong_echo = on; }); });
    grid->addWidget(echo, row, 2, Qt::AlignCenter);

    auto* status = new QComboBox;
    status->setObjectName(control_name("fault_status", product));
    status->addItems({tr("never"), tr("status 0xFF"), tr("status 0xFE")});
    status->setToolTip(tr("Every answer carries this error status"));
    connect(status, &QComboBox::currentIndexChanged, this, [change](int choice) {
        change([choice](SimFaults& f) {
            f.forced_status = kStatusChoices.at(static_cast<size_t>(choice));
        });
    });
    grid->addWidget(status, row, 3);

    auto* slow = new QSpinBox;
    slow->setObjectName(control_name("fault_slow", product));
    slow->setRange(0, kSlowestAnswerMs);
    slow->setSingleStep(kSlowStepMs);
    slow->setSuffix(tr(" ms"));
    slow->setSpecialValueText(tr("off"));
    slow->setToolTip(tr("Answers arrive this much later"));
    connect(slow, &QSpinBox::valueChanged, this,
            [change](int ms) { change([ms](SimFaults& f) { f.response_delay_ms = ms; }); });
    grid->addWidget(slow, row, 4);

    auto* pull = new QPushButton(tr("Arm"));
    pull->setObjectName(control_name("fault_pull", product));
    pull->setCheckable(true);
    pull->setToolTip(tr("The product drops off the bus in the middle of its next transfer"));
    connect(pull, &QPushButton::toggled, this, [change](bool armed) {
        change([armed](SimFaults& f) { f.unplug_after_packets = armed ? kPullAfterPackets : -1; });
    });
    grid->addWidget(pull, row, 5);
}

QGroupBox* DevSimPanel::make_buttons_box() {
    auto* box = new QGroupBox(tr("Buttons on the devices"));
    auto* grid = new QGridLayout(box);
    const auto add_choice = [this, grid](int row, const QString& title, const char* name,
                                         const QString& item, int count,
                                         std::function<void(int)> press) {
        grid->addWidget(new QLabel(title), row, 0);
        auto* choice = new QComboBox;
        choice->setObjectName(QLatin1String(name));
        for (int i = 1; i <= count; ++i) choice->addItem(item.arg(i));
        connect(choice, &QComboBox::activated, this, std::move(press));
        grid->addWidget(choice, row, 1);
    };
    add_choice(0, tr("Keyboard on-board profile"), "button_profile_keyboard", tr("Profile %1"), 4,
               [this](int profile) {
                   bus_->switch_profile(
                       reaching(*bus_, SimProduct::Keyboard, SimProduct::KeyboardReceiver),
                       profile);
               });
    add_choice(1, tr("Mouse on-board profile"), "button_profile_mouse", tr("Profile %1"), 4,
               [this](int profile) {
                   bus_->switch_profile(reaching(*bus_, SimProduct::Mouse, SimProduct::MouseReceiver),
                                        profile);
               });
    add_choice(2, tr("Mouse DPI stage"), "button_dpi_mouse", tr("Stage %1"), 5, [this](int stage) {
        bus_->switch_dpi_stage(reaching(*bus_, SimProduct::Mouse, SimProduct::MouseReceiver), stage);
    });
    add_sensor_row(grid, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

void DevSimPanel::add_sensor_row(QGridLayout* grid, int row) {
    grid->addWidget(new QLabel(tr("Mouse sensor")), row, 0);
    auto* sensor = new QComboBox;
    sensor->setObjectName("mouse_sensor");
    for (const SensorChoice& choice : kSensorChoices) sensor->addItem(tr(choice.title));
    sensor->setToolTip(tr("The program sees it at its next read of the mouse's information"));
    connect(sensor, &QComboBox::activated, this, [this](int choice) {
        bus_->set_sensor(SimProduct::Mouse, kSensorChoices.at(static_cast<size_t>(choice)).sensor);
    });
    grid->addWidget(sensor, row, 1);
}

QGroupBox* DevSimPanel::make_events_box() {
    auto* box = new QGroupBox(tr("Device events"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("From")), 0, 0);
    auto* source = new QComboBox;
    source->setObjectName("event_source");
    source->addItems({tr("Keyboard"), tr("Mouse"), tr("Mouse-pad")});
    grid->addWidget(source, 0, 1);
    auto* status = new QLabel;
    status->setObjectName("event_status");
    grid->addWidget(status, 5, 0, 1, 4);

    const struct {
        const char* name;
        QString text;
        uint16_t code;
    } events[] = {
        {"event_resync", tr("Resync request (0x0401)"), sim::event_code::kResync},
        {"event_resync_changed", tr("Resync after a change (0x0402)"),
         sim::event_code::kResyncAfterChange},
        {"event_reactive_flash", tr("Reactive flash (0x0403)"), sim::event_code::kReactiveFlash},
        {"event_keep_alive", tr("Keep-alive (0x0404)"), sim::event_code::kKeepAlive},
    };
    const auto send_from_source = [this, source, status](uint16_t code) {
        const SimProduct from = event_source(*bus_, source->currentIndex());
        status->setText(sent_text(bus_->send_event(from, code), from));
    };
    int column = 0;
    for (const auto& event : events) {
        auto* send = new QPushButton(event.text);
        send->setObjectName(QLatin1String(event.name));
        connect(send, &QPushButton::clicked, this,
                [send_from_source, code = event.code] { send_from_source(code); });
        grid->addWidget(send, 1, column++);
    }
    add_key_row(grid, 2, status);

    // Any code at all, to see what the program makes of codes it does not know.
    grid->addWidget(new QLabel(tr("Event code")), 3, 0);
    auto* code = sixteen_bit_hex_box("event_code");
    grid->addWidget(code, 3, 1);
    auto* send_code = new QPushButton(tr("Send"));
    send_code->setObjectName("event_send_code");
    connect(send_code, &QPushButton::clicked, this, [send_from_source, code] {
        send_from_source(static_cast<uint16_t>(code->value()));
    });
    grid->addWidget(send_code, 3, 2);

    grid->addWidget(new QLabel(tr("Keyboard release number")), 4, 0);
    auto* release = sixteen_bit_hex_box("event_release_number");
    release->setValue(bus_->attributes(SimProduct::Keyboard).version_number);
    release->setToolTip(
        tr("The keyboard reports it from its next plug on; from 0x0001 to 0x010F the "
           "program asks for a firmware update"));
    connect(release, &QSpinBox::valueChanged, this, [this](int number) {
        bus_->set_release_number(SimProduct::Keyboard, static_cast<uint16_t>(number));
    });
    grid->addWidget(release, 4, 1);
    grid->setColumnStretch(4, 1);
    return box;
}

void DevSimPanel::add_key_row(QGridLayout* grid, int row, QLabel* status) {
    grid->addWidget(new QLabel(tr("Keyboard key at position")), row, 0);
    auto* position = new QSpinBox;
    position->setObjectName("event_key_position");
    position->setRange(0, kHighestKeyPosition);
    grid->addWidget(position, row, 1);
    auto* key = new QPushButton(tr("Hold to press"));
    key->setObjectName("event_key");
    key->setToolTip(tr("Pressed while the button is held down, released when it is let go"));
    const auto press = [this, position, status](bool down) {
        const SimProduct through =
            reaching(*bus_, SimProduct::Keyboard, SimProduct::KeyboardReceiver);
        if (!bus_->press_key(through, position->value(), down))
            status->setText(tr("No key at position %1").arg(position->value()));
        else
            status->setText(sent_text(bus_->plugged(through), through));
    };
    connect(key, &QPushButton::pressed, this, [press] { press(true); });
    connect(key, &QPushButton::released, this, [press] { press(false); });
    grid->addWidget(key, row, 2);
}

void DevSimPanel::sync_from_bus() {
    for (const SimProduct product : sim::kAllProducts) {
        if (auto* plugged = findChild<QCheckBox*>(control_name("plug", product))) {
            const QSignalBlocker quiet(plugged);
            plugged->setChecked(bus_->plugged(product));
        }
        if (auto* pull = findChild<QPushButton*>(control_name("fault_pull", product))) {
            const QSignalBlocker quiet(pull);
            pull->setChecked(bus_->faults(product).unplug_after_packets >= 0);
        }
    }
    const auto show = [this](const char* name, int value) {
        auto* choice = findChild<QComboBox*>(QLatin1String(name));
        if (choice == nullptr || value < 0 || value >= choice->count()) return;
        const QSignalBlocker quiet(choice);
        choice->setCurrentIndex(value);
    };
    // The host writes the active profile too, so the device's own record is what counts.
    show("button_profile_keyboard", bus_->with_firmware(SimProduct::Keyboard, [](auto& firmware) {
             return firmware.active_profile();
         }));
    show("button_profile_mouse", bus_->with_firmware(SimProduct::Mouse, [](auto& firmware) {
             return firmware.active_profile();
         }));
    show("button_dpi_mouse", bus_->with_firmware(SimProduct::Mouse,
                                                 [](auto& firmware) { return firmware.dpi_stage(); }));
    show("mouse_sensor", bus_->with_firmware(SimProduct::Mouse, [](const sim::Firmware& firmware) {
             const auto id = firmware.read(sim::FirmwareMemory::Information,
                                           sim::info_byte::kSensorId, 2);
             return sensor_choice(static_cast<uint16_t>(id.at(0) | id.at(1) << 8));
         }));
}

}  // namespace ilmo::shell
