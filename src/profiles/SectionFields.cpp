#include "profiles/SectionFields.h"

#include <cmath>

namespace ilmo::profiles {

namespace {

Json::Value& as_object(Json::Value& value) {
    if (!value.isObject()) value = Json::Value(Json::objectValue);
    return value;
}

Json::Value& as_array(Json::Value& value) {
    if (!value.isArray()) value = Json::Value(Json::arrayValue);
    return value;
}

}  // namespace

const Json::Value& member(const Json::Value& object, const char* key) {
    if (!object.isObject()) return Json::Value::nullSingleton();
    const Json::Value* found = object.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : Json::Value::nullSingleton();
}

const Json::Value& element(const Json::Value& array, size_t index) {
    if (!array.isArray() || index >= array.size()) return Json::Value::nullSingleton();
    return array[static_cast<Json::ArrayIndex>(index)];
}

size_t array_size(const Json::Value& value) {
    return value.isArray() ? value.size() : 0;
}

int64_t int_of(const Json::Value& value) {
    switch (value.type()) {
        case Json::intValue:
            return value.asInt64();
        case Json::uintValue:
            // Above the signed range the low bits are what counts for every field.
            return static_cast<int64_t>(value.asUInt64());
        case Json::realValue: {
            const double real = value.asDouble();
            // Out of the 64-bit range (or not a number) there are no low bits to keep.
            if (!(std::fabs(real) < 9.0e18)) return 0;
            return static_cast<int64_t>(real);
        }
        case Json::booleanValue:
            return value.asBool() ? 1 : 0;
        default:
            return 0;
    }
}

uint8_t byte_of(const Json::Value& value) {
    return static_cast<uint8_t>(int_of(value));
}
uint16_t u16_of(const Json::Value& value) {
    return static_cast<uint16_t>(int_of(value));
}
int32_t int32_of(const Json::Value& value) {
    return static_cast<int32_t>(static_cast<uint32_t>(int_of(value)));
}

bool bool_of(const Json::Value& value) {
    switch (value.type()) {
        case Json::booleanValue:
            return value.asBool();
        case Json::intValue:
        case Json::uintValue:
        case Json::realValue:
            return int_of(value) != 0 || value.asDouble() != 0.0;
        default:
            return false;
    }
}

std::string string_of(const Json::Value& value) {
    return value.isString() ? value.asString() : std::string();
}

Json::Value& object_member(Json::Value& parent, const char* key) {
    return as_object(as_object(parent)[key]);
}

Json::Value& array_member(Json::Value& parent, const char* key) {
    return as_array(as_object(parent)[key]);
}

Json::Value& object_element(Json::Value& parent, size_t index) {
    return as_object(as_array(parent)[static_cast<Json::ArrayIndex>(index)]);
}

Json::Value& array_element(Json::Value& parent, size_t index) {
    return as_array(as_array(parent)[static_cast<Json::ArrayIndex>(index)]);
}

void set_member(Json::Value& parent, const char* key, const Json::Value& value) {
    as_object(parent)[key] = value;
}

int int_member(const Json::Value& object, const char* key) {
    const Json::Value& value = member(object, key);
    // isInt() also holds for an unsigned or a whole double that fits, which asInt converts.
    return value.isInt() ? value.asInt() : 0;
}

std::string string_member(const Json::Value& object, const char* key) {
    const Json::Value& value = member(object, key);
    return value.isString() ? value.asString() : std::string();
}

}  // namespace ilmo::profiles
