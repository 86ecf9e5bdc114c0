#pragma once
// The developer's hand on the emulated hardware while the program runs with --demo: plug and
// unplug each product, take a wireless device out of its receiver's reach, set batteries,
// press the devices' own profile and DPI buttons, fit the mouse with another sensor, send the
// keyboard's, the mouse's and the pad's events (resync requests, reactive flash, keep-alives,
// key presses, any code by hand), set the keyboard's release number, and make a
// product's command route fail (no answer, wrong echo, refusal status, slow answers, pulled
// in the middle of a write) to watch the program's failure paths.

#include <QWidget>
#include <memory>

namespace ilmo::sim {
class SimBus;
enum class SimProduct;
}

class QGridLayout;
class QGroupBox;
class QLabel;

namespace ilmo::shell {

class DevSimPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSyncPeriodMs = 500;

    explicit DevSimPanel(std::shared_ptr<sim::SimBus> bus, QWidget* parent = nullptr);

    // Shows what the bus did by itself since (a product pulled by its fault, an armed pull
    // that fired). A timer calls it every half second.
    void sync_from_bus();

private:
    QGroupBox* make_products_box();
    QGroupBox* make_faults_box();
    QGroupBox* make_buttons_box();
    QGroupBox* make_events_box();
    void add_key_row(QGridLayout* grid, int row, QLabel* status);
    void add_sensor_row(QGridLayout* grid, int row);
    void add_battery(QGridLayout* grid, int row, sim::SimProduct product);
    void add_fault_row(QGridLayout* grid, int row, int product_index);

    std::shared_ptr<sim::SimBus> bus_;
};

}  // namespace ilmo::shell
