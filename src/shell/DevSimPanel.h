#pragma once
// The developer's hand on the emulated hardware while the program runs with --demo: plug and
// unplug each product, take a wireless device out of its receiver's reach, set batteries.

#include <QWidget>
#include <memory>

namespace ilmo::sim {
class SimBus;
}

namespace ilmo::shell {

class DevSimPanel : public QWidget {
    Q_OBJECT
public:
    explicit DevSimPanel(std::shared_ptr<sim::SimBus> bus, QWidget* parent = nullptr);

private:
    std::shared_ptr<sim::SimBus> bus_;
};

}  // namespace ilmo::shell
