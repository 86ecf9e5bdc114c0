#include "InterfaceListing.h"

#include <cstdio>

namespace ilmo::ctl {

namespace {

std::string describe_row(const device::SurveyRow& row) {
    char text[200];
    std::snprintf(text, sizeof text, "%04x:%04x mi %x col %x  ", row.from_path.vendor_id,
                  row.from_path.product_id, row.from_path.interface_number,
                  row.from_path.collection_number);
    std::string line = text;
    if (!row.opened_ok) return line + "not usable: " + row.reason;
    std::snprintf(text, sizeof text, "usage %04x/%04x  ", row.opened.usage_page, row.opened.usage);
    line += text;
    if (row.match.slot < 0) return line + "unmatched: " + row.reason;
    std::snprintf(text, sizeof text, "slot %d  %s  %s", row.match.slot,
                  std::string(device::kind_name(row.match.kind)).c_str(),
                  row.match.role == device::InterfaceRole::Command ? "command" : "events");
    return line + text;
}

}  // namespace

std::string format_interface_listing(const device::Survey& survey) {
    if (!survey.listed) return "The list of HID interfaces could not be read.\n";
    int claimed = 0;
    std::string text = "HID interfaces: " + std::to_string(survey.rows.size()) + "\n";
    for (const auto& row : survey.rows) {
        text += "  " + row.path + "\n    " + describe_row(row) + "\n";
        if (row.match.slot >= 0) ++claimed;
    }
    text += "Slots claimed: " + std::to_string(claimed) + " of " +
            std::to_string(device::kSlotCount) + "\n";
    return text;
}

}  // namespace ilmo::ctl
