#include "sim/SimEndpoint.h"

#include <algorithm>

namespace ilmo::sim {

bool sharing_permits(std::span<const device::OpenOptions> already_open,
                     const device::OpenOptions& wanted) {
    return std::none_of(
        already_open.begin(), already_open.end(), [&wanted](const device::OpenOptions& open) {
            return (open.exclusive && wanted.want_write) || (wanted.exclusive && open.want_write);
        });
}

}  // namespace ilmo::sim
