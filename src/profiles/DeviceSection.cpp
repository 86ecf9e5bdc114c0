#include "profiles/DeviceSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

Json::Value device_section(const Json::Value& document, size_t index) {
    const Json::Value& section = element(member(document, "Device"), index);
    return section.isObject() ? section : Json::Value();
}

Json::Value with_device_section(Json::Value document, size_t index, const Json::Value& section) {
    array_member(document, "Device")[static_cast<Json::ArrayIndex>(index)] = section;
    return document;
}

}  // namespace ilmo::profiles
