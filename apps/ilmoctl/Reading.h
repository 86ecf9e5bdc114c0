#pragma once
// What a read prints: named values, grouped, and tables, in the order a reader wants them.
// The same reading is shown as aligned text or as one JSON document on one line; in JSON the
// header's fields and the groups are members of one object, a table an array of objects.

#include <string>
#include <variant>
#include <vector>

namespace ilmo::ctl {

// Text shows switches as on / off, JSON as true / false.
using Scalar = std::variant<bool, int, std::string>;

struct Field {
    std::string name;
    Scalar value;
};

struct FieldGroup {
    std::string name;
    std::vector<Field> fields;

    FieldGroup& add(std::string field, Scalar value) {
        fields.push_back({std::move(field), std::move(value)});
        return *this;
    }
};

struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<Scalar>> rows;  // one value per column
};

struct Reading {
    FieldGroup header;  // its name is not shown
    std::vector<FieldGroup> groups;
    std::vector<Table> tables;

    FieldGroup& add_group(std::string name) {
        groups.push_back({std::move(name), {}});
        return groups.back();
    }
};

// The header every device read starts with.
Reading device_reading(std::string product, std::string connection, std::string profile);

std::string format_text(const Reading& reading);
// Ends with a line end.
std::string format_json(const Reading& reading);

}  // namespace ilmo::ctl
