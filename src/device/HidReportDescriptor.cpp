#include "device/HidReportDescriptor.h"

#include "device/SignExtend.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ilmo::device {

namespace {

// A report longer than this is not something a USB HID device can send; such sizes only
// come from corrupt descriptors and would make every later offset meaningless.
constexpr uint64_t kMaxReportBits = 64 * 1024;
// Push without Pop this deep is corruption, not a real descriptor.
constexpr size_t kMaxGlobalStackDepth = 64;

enum class ItemType : uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace main_tag {
constexpr uint8_t kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB,
                  kEndCollection = 0xC;
}
namespace global_tag {
constexpr uint8_t kUsagePage = 0x0, kLogicalMin = 0x1, kLogicalMax = 0x2, kPhysicalMin = 0x3,
                  kPhysicalMax = 0x4, kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9,
                  kPush = 0xA, kPop = 0xB;
}
namespace local_tag {
constexpr uint8_t kUsage = 0x0, kUsageMin = 0x1, kUsageMax = 0x2;
}

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint32_t kConstantFlag = 0x01;
constexpr uint32_t kVariableFlag = 0x02;

struct Item {
    ItemType type;
    uint8_t tag;
    uint32_t data;      // little-endian, zero-extended
    size_t data_bytes;  // 0, 1, 2 or 4
};

// Item data read as the signed number it encodes.
struct SignedData {
    uint32_t data = 0;
    size_t data_bytes = 0;
    int32_t as_signed() const { return sign_extend(data, static_cast<unsigned>(data_bytes * 8)); }
};

// A minimum/maximum pair. Many descriptors write an unsigned maximum in too few bytes
// (0x25 0xFF for 255); with a non-negative minimum the maximum is read unsigned, as the
// Linux HID core does, so such ranges do not collapse.
std::pair<int32_t, int32_t> range_of(const SignedData& min, const SignedData& max) {
    const int32_t low = min.as_signed();
    int32_t high = max.as_signed();
    if (low >= 0 && high < 0 && max.data_bytes < 4) high = static_cast<int32_t>(max.data);
    return {low, high};
}

struct GlobalState {
    uint16_t usage_page = 0;
    SignedData logical_min, logical_max, physical_min, physical_max;
    uint32_t report_size = 0;
    uint32_t report_id = 0;
    uint32_t report_count = 0;
};

struct LocalState {
    // Page in the high word when given as an extended usage.
    std::vector<UsageRange> usages;
    // Half of a Usage Minimum/Maximum pair waiting for the other half.
    std::optional<uint32_t> pending_min;
    std::optional<uint32_t> pending_max;
};

uint16_t page_of(uint32_t extended_usage, uint16_t current_page) {
    const auto page = static_cast<uint16_t>(extended_usage >> 16);
    return page != 0 ? page : current_page;
}

uint32_t usage_id_of(uint32_t extended_usage) {
    return extended_usage & 0xFFFF;
}

// Reads the item at `at`; nullopt when it runs past the end. Long items come back with
// type Reserved so the caller skips them.
std::optional<Item> read_item(std::span<const uint8_t> bytes, size_t& at) {
    const uint8_t prefix = bytes[at];
    if (prefix == kLongItemPrefix) {
        if (bytes.size() - at < 3) return std::nullopt;
        const size_t length = 3 + static_cast<size_t>(bytes[at + 1]);
        if (bytes.size() - at < length) return std::nullopt;
        at += length;
        return Item{ItemType::Reserved, 0xF, 0, 0};
    }
    static constexpr size_t kSizes[4] = {0, 1, 2, 4};
    const size_t data_bytes = kSizes[prefix & 0x3];
    if (bytes.size() - at < 1 + data_bytes) return std::nullopt;
    uint32_t data = 0;
    for (size_t i = 0; i < data_bytes; ++i)
        data |= static_cast<uint32_t>(bytes[at + 1 + i]) << (8 * i);
    at += 1 + data_bytes;
    return Item{static_cast<ItemType>((prefix >> 2) & 0x3), static_cast<uint8_t>(prefix >> 4), data,
                data_bytes};
}

class DescriptorParser {
public:
    std::optional<ReportDescriptor> parse(std::span<const uint8_t> bytes) {
        size_t at = 0;
        while (at < bytes.size()) {
            const auto item = read_item(bytes, at);
            if (!item || !apply(*item)) return std::nullopt;
        }
        if (depth_ != 0) return std::nullopt;
        fill_report_sizes();
        return std::move(result_);
    }

private:
    bool apply(const Item& item) {
        switch (item.type) {
            case ItemType::Main:
                return apply_main(item);
            case ItemType::Global:
                return apply_global(item);
            case ItemType::Local:
                apply_local(item);
                return true;
            case ItemType::Reserved:
                return true;
        }
        return true;
    }

    bool apply_main(const Item& item) {
        bool ok = true;
        switch (item.tag) {
            case main_tag::kInput:
                ok = add_field(ReportDirection::Input, item.data);
                break;
            case main_tag::kOutput:
                ok = add_field(ReportDirection::Output, item.data);
                break;
            case main_tag::kFeature:
                ok = add_field(ReportDirection::Feature, item.data);
                break;
            case main_tag::kCollection:
                open_collection();
                break;
            case main_tag::kEndCollection:
                if (depth_ == 0) return false;
                --depth_;
                break;
            default:
                break;
        }
        local_ = {};
        return ok;
    }

    void open_collection() {
        if (depth_ == 0) {
            TopLevelCollection collection;
            // A collection names its usage with a Usage item; a lone Usage Minimum is
            // still taken, as before a collection it can only mean that.
            const uint32_t usage = !local_.usages.empty() ? local_.usages.front().first
                                                          : local_.pending_min.value_or(0);
            collection.usage_page = page_of(usage, global_.usage_page);
            collection.usage = static_cast<uint16_t>(usage_id_of(usage));
            result_.collections.push_back(std::move(collection));
        }
        ++depth_;
    }

    bool apply_global(const Item& item) {
        const SignedData value{item.data, item.data_bytes};
        switch (item.tag) {
            case global_tag::kUsagePage:
                global_.usage_page = static_cast<uint16_t>(item.data);
                break;
            case global_tag::kLogicalMin:
                global_.logical_min = value;
                break;
            case global_tag::kLogicalMax:
                global_.logical_max = value;
                break;
            case global_tag::kPhysicalMin:
                global_.physical_min = value;
                break;
            case global_tag::kPhysicalMax:
                global_.physical_max = value;
                break;
            case global_tag::kReportSize:
                global_.report_size = item.data;
                break;
            case global_tag::kReportCount:
                global_.report_count = item.data;
                break;
            case global_tag::kReportId:
                // Id 0 is reserved for "no id" and one byte carries the id on the wire.
                if (item.data == 0 || item.data > 0xFF) return false;
                global_.report_id = item.data;
                break;
            case global_tag::kPush:
                if (stack_.size() >= kMaxGlobalStackDepth) return false;
                stack_.push_back(global_);
                break;
            case global_tag::kPop:
                if (stack_.empty()) return false;
                global_ = stack_.back();
                stack_.pop_back();
                break;
            default:
                break;
        }
        return true;
    }

    void apply_local(const Item& item) {
        // A 4-byte usage carries its page in the high word; shorter ones take the page in
        // force when the main item comes, so the raw value is kept as it was written.
        switch (item.tag) {
            case local_tag::kUsage:
                local_.usages.push_back({item.data, item.data});
                break;
            case local_tag::kUsageMin:
                local_.pending_min = item.data;
                break;
            case local_tag::kUsageMax:
                local_.pending_max = item.data;
                break;
            default:
                break;
        }
        // A range joins the list where its pair completes, so listed usages before and
        // after it keep their places. A lone half names no usage.
        if (local_.pending_min && local_.pending_max) {
            local_.usages.push_back({*local_.pending_min, *local_.pending_max});
            local_.pending_min.reset();
            local_.pending_max.reset();
        }
    }

    bool add_field(ReportDirection direction, uint32_t flags) {
        const uint64_t bits = uint64_t{global_.report_size} * global_.report_count;
        if (bits > kMaxReportBits || global_.report_size > 0xFFFF ||
            global_.report_count > 0xFFFF) {
            return false;
        }
        const auto id = static_cast<uint8_t>(global_.report_id);
        uint32_t& report_bits = report_bits_[{id, direction}];
        const uint32_t offset = report_bits;
        if (report_bits + bits > kMaxReportBits) return false;
        report_bits += static_cast<uint32_t>(bits);

        // Main items outside any collection belong to no interface anyone can open; they
        // still take their room in the report.
        if (result_.collections.empty() || depth_ == 0) return true;
        TopLevelCollection& collection = result_.collections.back();
        if (id != 0) collection.uses_report_ids = true;
        if (!collection.has_report_id(direction, id))
            collection.reports.push_back({id, direction, 0});
        if (bits == 0 || (flags & kConstantFlag) != 0) return true;
        collection.fields.push_back(make_field(direction, flags, offset));
        return true;
    }

    ReportField make_field(ReportDirection direction, uint32_t flags, uint32_t offset) const {
        ReportField field;
        field.report_id = static_cast<uint8_t>(global_.report_id);
        field.direction = direction;
        field.bit_offset = offset;
        field.bit_size = static_cast<uint16_t>(global_.report_size);
        field.count = static_cast<uint16_t>(global_.report_count);
        field.is_variable = (flags & kVariableFlag) != 0;
        std::tie(field.logical_min, field.logical_max) =
            range_of(global_.logical_min, global_.logical_max);
        std::tie(field.physical_min, field.physical_max) =
            range_of(global_.physical_min, global_.physical_max);
        field.usage_page = local_.usages.empty()
                               ? global_.usage_page
                               : page_of(local_.usages.front().first, global_.usage_page);
        for (const UsageRange& range : local_.usages) {
            const UsageRange ids{usage_id_of(range.first), usage_id_of(range.last)};
            // A range that runs backwards holds no usage.
            if (ids.first <= ids.last) field.usages.push_back(ids);
        }
        return field;
    }

    void fill_report_sizes() {
        for (TopLevelCollection& collection : result_.collections) {
            for (ReportInfo& report : collection.reports) {
                report.size_bits = report_bits_[{report.id, report.direction}];
            }
        }
    }

    ReportDescriptor result_;
    GlobalState global_;
    LocalState local_;
    std::vector<GlobalState> stack_;
    int depth_ = 0;
    // Offsets run per report across the whole descriptor: a report's fields may be spread
    // over several collections.
    std::map<std::pair<uint8_t, ReportDirection>, uint32_t> report_bits_;
};

}  // namespace

bool ReportField::is_button() const {
    return !is_variable || bit_size == 1;
}

uint32_t ReportField::usage_min() const {
    if (usages.empty()) return 0;
    return std::min_element(usages.begin(), usages.end(), [](const auto& a, const auto& b) {
               return a.first < b.first;
           })->first;
}

uint32_t ReportField::usage_max() const {
    if (usages.empty()) return 0;
    return std::max_element(usages.begin(), usages.end(), [](const auto& a, const auto& b) {
               return a.last < b.last;
           })->last;
}

uint16_t TopLevelCollection::report_bytes(ReportDirection direction) const {
    uint32_t longest_bits = 0;
    bool any = false;
    for (const ReportInfo& report : reports) {
        if (report.direction != direction) continue;
        any = true;
        longest_bits = std::max(longest_bits, report.size_bits);
    }
    return any ? static_cast<uint16_t>((longest_bits + 7) / 8 + 1) : 0;
}

bool TopLevelCollection::has_report_id(ReportDirection direction, uint8_t id) const {
    return std::any_of(reports.begin(), reports.end(), [&](const ReportInfo& report) {
        return report.direction == direction && report.id == id;
    });
}

std::optional<ReportDescriptor> parse_report_descriptor(std::span<const uint8_t> bytes) {
    return DescriptorParser{}.parse(bytes);
}

}  // namespace ilmo::device
