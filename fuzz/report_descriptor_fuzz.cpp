// Report descriptors come from devices: parsing any byte string, and unpacking any report
// against what was parsed, must neither crash nor read out of bounds.

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/HidReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto descriptor = ilmo::device::parse_report_descriptor(bytes);
    if (!descriptor) return 0;
    for (const auto& collection : descriptor->collections) {
        // The same bytes doubled as an input report: any id, any length.
        ilmo::device::unpack_input_report(collection, bytes);
        (void)collection.report_bytes(ilmo::device::ReportDirection::Input);
    }
    return 0;
}
