#include "device/InterfaceSurvey.h"

namespace ilmo::device {

namespace {

const OpenOptions kProbe{false, false, false, false};

}  // namespace

std::vector<SurveyRow> survey_interfaces(HidBackend& backend, SlotTable& slots) {
    std::vector<std::string> paths;
    std::vector<SurveyRow> rows;
    if (!backend.enumerate(paths)) return rows;
    for (const std::string& path : paths) {
        SurveyRow row;
        row.path = path;
        row.from_path = parse_path_identity(path);
        const auto handle = backend.open(path, kProbe);
        if (handle) {
            row.opened_ok = true;
            row.opened = {handle->attributes().vendor_id, handle->attributes().product_id,
                          handle->collection().usage_page, handle->collection().usage};
            row.release_number = handle->attributes().version_number;
        }
        if (!row.opened_ok) {
            row.reason = "could not be opened";
        } else if (const auto match = slots.claim(path, row.from_path, row.opened)) {
            row.match = *match;
        } else {
            row.reason = why_unmatched(slots, row.from_path, row.opened);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace ilmo::device
