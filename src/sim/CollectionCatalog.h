#pragma once
// Every top-level collection of every emulated product, with the path it is listed under.
// Collections are counted by parsing each interface's report descriptor, the way the host
// numbers "&colNN", so the paths and the descriptors cannot disagree.

#include <string>
#include <string_view>
#include <vector>

#include "device/HidReportDescriptor.h"
#include "sim/ProductInterfaces.h"
#include "sim/SimProduct.h"

namespace ilmo::sim {

struct SimCollection {
    SimProduct product = SimProduct::Keyboard;
    int interface_number = 0;
    int collection_number = 0;  // 1-based index in the interface's descriptor
    std::string path;
    std::vector<uint8_t> report_descriptor;  // of the whole interface
    device::TopLevelCollection parsed;       // this collection, as the descriptor gives it
    bool is_command = false;                 // its id-4 packets go to the firmware
    bool is_event = false;                   // carries the firmware's event reports
    bool is_keys = false;                    // carries the keyboard's key reports
};

// Collections of one interface share one hidraw node.
inline bool same_node(const SimCollection& a, const SimCollection& b) {
    return a.product == b.product && a.interface_number == b.interface_number;
}

// "sim/<product>#vid_%04x&pid_%04x&mi_%02x&col%02x"; "&col" only when the interface has
// several top-level collections.
std::string collection_path(SimProduct product, int interface_number, int collection_number,
                            int collection_count);

class CollectionCatalog {
public:
    // Throws std::logic_error when an emulated descriptor does not parse.
    CollectionCatalog();

    const std::vector<SimCollection>& all() const { return collections_; }
    const SimCollection* find(std::string_view path) const;
    const SimCollection* event_collection(SimProduct product) const;
    const SimCollection* keys_collection(SimProduct product) const;

private:
    const SimCollection* with_role(SimProduct product, bool SimCollection::*role) const;

    std::vector<SimCollection> collections_;
};

}  // namespace ilmo::sim
