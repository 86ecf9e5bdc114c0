// Turning an input report into button usages and values, as the opened collection's
// report descriptor lays them out.

#include <algorithm>
#include <optional>

#include "device/HidReportDescriptor.h"
#include "device/SignExtend.h"

namespace ilmo::device {

namespace {

// Positions in a field's usage list, found without spelling out its ranges (a consumer
// array's range alone can hold 65536 usages).
class UsageSequence {
public:
    explicit UsageSequence(const std::vector<UsageRange>& ranges) : ranges_(ranges) {
        uint64_t total = 0;
        for (const UsageRange& range : ranges_) {
            total += uint64_t{range.last} - range.first + 1;
            ends_.push_back(total);
        }
    }

    uint64_t size() const { return ends_.empty() ? 0 : ends_.back(); }

    // nullopt past the end of the list.
    std::optional<uint32_t> at(uint64_t index) const {
        const auto end = std::upper_bound(ends_.begin(), ends_.end(), index);
        if (end == ends_.end()) return std::nullopt;
        const auto range = static_cast<size_t>(end - ends_.begin());
        const uint64_t start = range == 0 ? 0 : ends_[range - 1];
        return static_cast<uint32_t>(ranges_[range].first + (index - start));
    }

    // Elements past the end of the list take its last usage, as HID prescribes for
    // variable items; nullopt only when the list is empty.
    std::optional<uint32_t> at_or_last(uint64_t index) const {
        if (ends_.empty()) return std::nullopt;
        return at(std::min(index, size() - 1));
    }

private:
    const std::vector<UsageRange>& ranges_;
    std::vector<uint64_t> ends_;  // running count of usages after each range
};

// `bit_size` bits (at most the low 32 are kept) from `bit_offset` of `data`; the caller
// has checked that they lie inside `data`.
uint32_t read_bits(std::span<const uint8_t> data, uint32_t bit_offset, unsigned bit_size) {
    uint32_t value = 0;
    const unsigned kept = std::min(bit_size, 32u);
    for (unsigned i = 0; i < kept; ++i) {
        const uint32_t bit = bit_offset + i;
        if ((data[bit / 8] >> (bit % 8)) & 1u) value |= 1u << i;
    }
    return value;
}

int32_t element_value(const ReportField& field, std::span<const uint8_t> data, unsigned index) {
    const uint32_t raw = read_bits(data, field.bit_offset + index * field.bit_size, field.bit_size);
    if (field.logical_min < 0) return sign_extend(raw, field.bit_size);
    return static_cast<int32_t>(raw);
}

// The usage an array element selects; none for 0 ("no usage" in every keyboard-like array)
// and for values outside the logical range or past the usages.
std::optional<uint32_t> array_usage(const ReportField& field, const UsageSequence& usages,
                                    int32_t value) {
    if (value == 0 || value < field.logical_min || value > field.logical_max) return std::nullopt;
    return usages.at(static_cast<uint64_t>(int64_t{value} - field.logical_min));
}

std::vector<uint32_t> pressed_usages(const ReportField& field, const UsageSequence& usages,
                                     std::span<const uint8_t> data) {
    std::vector<uint32_t> pressed;
    for (unsigned i = 0; i < field.count; ++i) {
        const int32_t value = element_value(field, data, i);
        const auto usage = field.is_variable ? (value != 0 ? usages.at_or_last(i) : std::nullopt)
                                             : array_usage(field, usages, value);
        if (usage) pressed.push_back(*usage);
    }
    return pressed;
}

int32_t scaled(const ReportField& field, int32_t raw) {
    const bool has_physical = field.physical_min != 0 || field.physical_max != 0;
    const bool differs =
        field.physical_min != field.logical_min || field.physical_max != field.logical_max;
    if (!has_physical || !differs || field.logical_max == field.logical_min) return raw;
    const int64_t span_logical = int64_t{field.logical_max} - field.logical_min;
    const int64_t span_physical = int64_t{field.physical_max} - field.physical_min;
    const int64_t value =
        field.physical_min + (int64_t{raw} - field.logical_min) * span_physical / span_logical;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

HidDataEntry entry_of(const ReportField& field, uint8_t report_id) {
    HidDataEntry entry;
    entry.report_id = report_id;
    entry.is_button = field.is_button();
    entry.usage_page = field.usage_page;
    return entry;
}

// One entry per value usage: element k belongs to usage k. Without usages the field still
// gives its first element, under usage 0.
void add_value_entries(const ReportField& field, uint8_t report_id, std::span<const uint8_t> data,
                       std::vector<HidDataEntry>& entries) {
    const UsageSequence usages(field.usages);
    const uint64_t count = std::max<uint64_t>(1, std::min<uint64_t>(usages.size(), field.count));
    for (unsigned k = 0; k < count; ++k) {
        HidDataEntry entry = entry_of(field, report_id);
        entry.usage_min = entry.usage_max = usages.at(k).value_or(0);
        entry.raw_value = element_value(field, data, k);
        entry.scaled_value = scaled(field, entry.raw_value);
        entries.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<HidDataEntry> unpack_input_report(const TopLevelCollection& collection,
                                              std::span<const uint8_t> report) {
    std::vector<HidDataEntry> entries;
    if (report.empty() || !collection.has_report_id(ReportDirection::Input, report[0])) {
        return entries;
    }
    const uint8_t id = report[0];
    const std::span<const uint8_t> data = report.subspan(1);
    for (const ReportField& field : collection.fields) {
        if (field.direction != ReportDirection::Input || field.report_id != id) continue;
        // A short report leaves out the fields it does not hold whole.
        const uint64_t end_bit =
            uint64_t{field.bit_offset} + uint64_t{field.bit_size} * field.count;
        if (end_bit > uint64_t{data.size()} * 8 || field.count == 0) continue;
        if (!field.is_button()) {
            add_value_entries(field, id, data, entries);
            continue;
        }
        HidDataEntry entry = entry_of(field, id);
        entry.usage_min = field.usage_min();
        entry.usage_max = field.usage_max();
        entry.usages = pressed_usages(field, UsageSequence(field.usages), data);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace ilmo::device
