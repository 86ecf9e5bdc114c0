#include "JsonFields.h"

#include <string>

namespace ilmo::macros {

const Json::Value& member(const Json::Value& object, const char* key) {
    if (!object.isObject()) return Json::Value::nullSingleton();
    const Json::Value* found = object.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : Json::Value::nullSingleton();
}

int int_member(const Json::Value& object, const char* key, int fallback) {
    const Json::Value& value = member(object, key);
    // isInt() also holds for an unsigned or a whole double that fits, which asInt converts.
    return value.isInt() ? value.asInt() : fallback;
}

std::string string_member(const Json::Value& object, const char* key) {
    const Json::Value& value = member(object, key);
    return value.isString() ? value.asString() : std::string();
}

const Json::Value& element(const Json::Value& array, Json::ArrayIndex index) {
    if (!array.isArray() || index >= array.size()) return Json::Value::nullSingleton();
    return array[index];
}

}  // namespace ilmo::macros
