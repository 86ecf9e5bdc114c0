#pragma once
// A HID report descriptor reduced to what this program needs: each top-level collection
// with its usage, its reports per direction and the input fields to unpack a report.
// Pure functions; the same parser serves the hidraw backend and the device emulator.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ilmo::device {

enum class ReportDirection { Input, Output, Feature };

// The usages of one Usage item (first == last) or of a Usage Minimum/Maximum pair.
struct UsageRange {
    uint32_t first = 0;
    uint32_t last = 0;
    bool operator==(const UsageRange&) const = default;
};

// One main item (Input/Output/Feature) inside a report.
struct ReportField {
    uint8_t report_id = 0;
    ReportDirection direction = ReportDirection::Input;
    uint32_t bit_offset = 0;  // from the first data bit, after the report id byte
    uint16_t bit_size = 0;    // Report Size
    uint16_t count = 0;       // Report Count
    uint16_t usage_page = 0;
    // Listed usages and ranges as one list in declaration order; the field's elements take
    // them in turn.
    std::vector<UsageRange> usages;
    bool is_constant = false;      // padding
    bool is_variable = false;      // a value or bit field; otherwise an array of usage indices
    int32_t logical_min = 0;
    int32_t logical_max = 0;
    int32_t physical_min = 0;
    int32_t physical_max = 0;
    // A button set: 1-bit variables or an array of usages (as the platform's HID layer
    // reports them as "button capabilities").
    bool is_button() const;
    // Lowest and highest usage of the list; 0 when there is none.
    uint32_t usage_min() const;
    uint32_t usage_max() const;
};

struct ReportInfo {
    uint8_t id = 0;  // 0 when the collection uses no report ids
    ReportDirection direction = ReportDirection::Input;
    uint32_t size_bits = 0;  // data bits, without the id byte
};

struct TopLevelCollection {
    uint16_t usage_page = 0;
    uint16_t usage = 0;
    bool uses_report_ids = false;
    std::vector<ReportInfo> reports;
    std::vector<ReportField> fields;  // non-constant fields of every direction

    // Longest report of a direction in bytes including the id byte (0 when none), as the
    // platform's capabilities give it: a collection without ids still counts one byte.
    uint16_t report_bytes(ReportDirection direction) const;
    bool has_report_id(ReportDirection direction, uint8_t id) const;
};

struct ReportDescriptor {
    std::vector<TopLevelCollection> collections;
};

// nullopt when the descriptor is malformed (truncated item, unbalanced collections, ...).
std::optional<ReportDescriptor> parse_report_descriptor(std::span<const uint8_t> bytes);

// One decoded button set, or one value usage, of an input report.
struct HidDataEntry {
    uint8_t report_id = 0;
    bool is_button = false;
    uint16_t usage_page = 0;
    uint32_t usage_min = 0;        // buttons: the field's usage range; values: the usage
    uint32_t usage_max = 0;
    std::vector<uint32_t> usages;  // buttons: the usages that are on, in report order
    int32_t raw_value = 0;         // values: sign-extended when the logical range is signed
    int32_t scaled_value = 0;      // values: mapped to the physical range when one is given
};

// Decodes `report` (id byte first, 0 when the collection uses none) into one entry per
// button field and one per value usage of that report, in field order; empty when the
// report id is not one of the collection's. A value field with more elements than usages
// gives the rest to its last usage, which keeps the first of them as its value.
std::vector<HidDataEntry> unpack_input_report(const TopLevelCollection& collection,
                                              std::span<const uint8_t> report);

}  // namespace ilmo::device
