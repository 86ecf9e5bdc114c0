#include "sim/CollectionCatalog.h"

#include <cstdio>
#include <stdexcept>

namespace ilmo::sim {

std::string collection_path(SimProduct product, int interface_number, int collection_number,
                            int collection_count) {
    char ids[64];
    std::snprintf(ids, sizeof ids, "#vid_%04x&pid_%04x&mi_%02x", vendor_id(product),
                  product_id(product), static_cast<unsigned>(interface_number));
    std::string path = "sim/" + std::string(product_name(product)) + ids;
    if (collection_count > 1) {
        char collection[16];
        std::snprintf(collection, sizeof collection, "&col%02x",
                      static_cast<unsigned>(collection_number));
        path += collection;
    }
    return path;
}

CollectionCatalog::CollectionCatalog() {
    for (SimProduct product : kAllProducts) {
        for (const ProductInterface& iface : product_interfaces(product)) {
            const auto descriptor = device::parse_report_descriptor(iface.report_descriptor);
            if (!descriptor || descriptor->collections.empty()) {
                throw std::logic_error("emulated report descriptor does not parse");
            }
            const int count = static_cast<int>(descriptor->collections.size());
            for (int number = 1; number <= count; ++number) {
                collections_.push_back(
                    {product, iface.interface_number, number,
                     collection_path(product, iface.interface_number, number, count),
                     iface.report_descriptor, descriptor->collections[number - 1],
                     number == iface.command_collection, number == iface.event_collection,
                     number == iface.keys_collection});
            }
        }
    }
}

const SimCollection* CollectionCatalog::find(std::string_view path) const {
    for (const auto& collection : collections_) {
        if (collection.path == path) return &collection;
    }
    return nullptr;
}

const SimCollection* CollectionCatalog::with_role(SimProduct product,
                                                  bool SimCollection::*role) const {
    for (const auto& collection : collections_) {
        if (collection.product == product && collection.*role) return &collection;
    }
    return nullptr;
}

const SimCollection* CollectionCatalog::event_collection(SimProduct product) const {
    return with_role(product, &SimCollection::is_event);
}

const SimCollection* CollectionCatalog::keys_collection(SimProduct product) const {
    return with_role(product, &SimCollection::is_keys);
}

}  // namespace ilmo::sim
