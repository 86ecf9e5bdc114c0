#pragma once
// The bus side of one open handle: which collection it opened, how, and the input reports of
// its node (every collection of the interface) waiting for it.

#include <span>

#include "device/HidBackend.h"
#include "sim/CollectionCatalog.h"
#include "sim/ReportQueue.h"

namespace ilmo::sim {

struct SimEndpoint {
    SimEndpoint(const SimCollection& opened, const device::OpenOptions& how)
        : collection(opened), options(how) {}

    const SimCollection& collection;  // owned by the bus's catalog, which outlives handles
    const device::OpenOptions options;
    ReportQueue queue;
};

// Share rules of an exclusive open: while an exclusive handle is open, others may open only
// for reading; an exclusive open fails while any handle that can write is open.
bool sharing_permits(std::span<const device::OpenOptions> already_open,
                     const device::OpenOptions& wanted);

}  // namespace ilmo::sim
