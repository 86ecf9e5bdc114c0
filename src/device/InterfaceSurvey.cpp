#include "device/InterfaceSurvey.h"

namespace ilmo::device {

namespace {

const OpenOptions kProbe{false, false, false, false};

SurveyRow probe(HidBackend& backend, SlotTable& slots, const std::string& path) {
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
    return row;
}

}  // namespace

Survey survey_interfaces(HidBackend& backend, SlotTable& slots) {
    Survey survey;
    std::vector<std::string> paths;
    std::vector<UnusableInterface> unusable;
    survey.listed = backend.enumerate_all(paths, unusable);
    if (!survey.listed) return survey;
    for (const std::string& path : paths) survey.rows.push_back(probe(backend, slots, path));
    for (const UnusableInterface& interface : unusable) {
        SurveyRow row;
        row.path = interface.path;
        row.from_path = parse_path_identity(interface.path);
        row.reason = interface.reason;
        survey.rows.push_back(std::move(row));
    }
    return survey;
}

}  // namespace ilmo::device
