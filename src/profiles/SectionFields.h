#pragma once
// Guarded access to the members of a profile section. Documents come from disk and may hold
// anything: a string where a number belongs, an array where an object belongs. jsoncpp throws
// on such mismatches, so every read here answers 0, false, "" or null instead, and every write
// replaces a member of the wrong kind before it writes into it.

#include <json/value.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ilmo::profiles {

// Null when `object` is not an object or has no such member.
const Json::Value& member(const Json::Value& object, const char* key);
// Null when `array` is not an array or is shorter.
const Json::Value& element(const Json::Value& array, size_t index);
// 0 unless `value` is an array.
size_t array_size(const Json::Value& value);

// Numbers (integral part) and booleans; anything else reads as 0.
int64_t int_of(const Json::Value& value);
// Fields narrower than the document's numbers keep their low bits, as the device records do.
uint8_t byte_of(const Json::Value& value);
uint16_t u16_of(const Json::Value& value);
int32_t int32_of(const Json::Value& value);
// true, or a non-zero number.
bool bool_of(const Json::Value& value);
// Strings only; anything else reads as "".
std::string string_of(const Json::Value& value);
// A member that holds a whole number fitting in int, else 0; a member that holds text, else "".
int int_member(const Json::Value& object, const char* key);
std::string string_member(const Json::Value& object, const char* key);

// `parent` becomes an object if it is not one; its member `key` becomes an object (or an
// array) if it is not one already. Returns the member.
Json::Value& object_member(Json::Value& parent, const char* key);
Json::Value& array_member(Json::Value& parent, const char* key);
// `parent` becomes an array if it is not one (growing to hold `index`); the element becomes
// an object (or an array) if it is not one already.
Json::Value& object_element(Json::Value& parent, size_t index);
Json::Value& array_element(Json::Value& parent, size_t index);
// Sets `parent`.`key`, making `parent` an object first when needed.
void set_member(Json::Value& parent, const char* key, const Json::Value& value);

// One byte of a record and the key that stores it. A flag reads as a boolean (true or a
// non-zero number) and is stored as 0 or 1; any other byte keeps the low byte of the number.
template <typename Record>
struct ByteField {
    const char* key;
    uint8_t Record::*field;
    bool flag = false;
};

template <typename Record, size_t N>
void decode_byte_fields(const Json::Value& object, const std::array<ByteField<Record>, N>& fields,
                        Record& record) {
    for (const ByteField<Record>& f : fields) {
        const Json::Value& value = member(object, f.key);
        record.*f.field = f.flag ? (bool_of(value) ? 1 : 0) : byte_of(value);
    }
}

template <typename Record, size_t N>
void encode_byte_fields(Json::Value& object, const std::array<ByteField<Record>, N>& fields,
                        const Record& record) {
    for (const ByteField<Record>& f : fields) {
        const int byte = record.*f.field;
        set_member(object, f.key, f.flag ? (byte != 0 ? 1 : 0) : byte);
    }
}

}  // namespace ilmo::profiles
