#include "Reading.h"

#include <json/value.h>
#include <json/writer.h>

#include <algorithm>

#include "SettingValues.h"

namespace ilmo::ctl {

namespace {

constexpr size_t kNameColumn = 16;

std::string text_of(const Scalar& value) {
    if (const bool* on = std::get_if<bool>(&value)) return std::string(format_switch(*on));
    if (const int* number = std::get_if<int>(&value)) return std::to_string(*number);
    return std::get<std::string>(value);
}

Json::Value json_of(const Scalar& value) {
    if (const bool* on = std::get_if<bool>(&value)) return *on;
    if (const int* number = std::get_if<int>(&value)) return *number;
    return std::get<std::string>(value);
}

void add_fields(std::string& text, const std::vector<Field>& fields, std::string_view indent) {
    for (const Field& field : fields) {
        std::string name = std::string(indent) + field.name;
        name.resize(std::max(kNameColumn, name.size() + 1), ' ');
        text += name + text_of(field.value) + '\n';
    }
}

void add_table(std::string& text, const Table& table) {
    std::vector<size_t> widths;
    for (const std::string& column : table.columns) widths.push_back(column.size());
    std::vector<std::vector<std::string>> cells;
    for (const auto& row : table.rows) {
        auto& line = cells.emplace_back();
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            line.push_back(text_of(row[i]));
            widths[i] = std::max(widths[i], line.back().size());
        }
    }
    const auto add_line = [&](const std::vector<std::string>& values) {
        std::string line = "  ";
        for (size_t i = 0; i < values.size(); ++i) {
            std::string cell = values[i];
            if (i + 1 < values.size()) cell.resize(widths[i] + 2, ' ');
            line += cell;
        }
        text += line + '\n';
    };
    text += table.name + '\n';
    add_line(table.columns);
    for (const auto& line : cells) add_line(line);
}

}  // namespace

Reading device_reading(std::string product, std::string connection, std::string profile) {
    Reading reading;
    reading.header.add("product", std::move(product))
        .add("connection", std::move(connection))
        .add("profile", std::move(profile));
    return reading;
}

std::string format_text(const Reading& reading) {
    std::string text;
    add_fields(text, reading.header.fields, "");
    for (const FieldGroup& group : reading.groups) {
        text += group.name + '\n';
        add_fields(text, group.fields, "  ");
    }
    for (const Table& table : reading.tables) add_table(text, table);
    return text;
}

std::string format_json(const Reading& reading) {
    Json::Value root(Json::objectValue);
    for (const Field& field : reading.header.fields) root[field.name] = json_of(field.value);
    for (const FieldGroup& group : reading.groups) {
        Json::Value& object = root[group.name] = Json::Value(Json::objectValue);
        for (const Field& field : group.fields) object[field.name] = json_of(field.value);
    }
    for (const Table& table : reading.tables) {
        Json::Value& rows = root[table.name] = Json::Value(Json::arrayValue);
        for (const auto& row : table.rows) {
            Json::Value& item = rows.append(Json::Value(Json::objectValue));
            for (size_t i = 0; i < row.size() && i < table.columns.size(); ++i)
                item[table.columns[i]] = json_of(row[i]);
        }
    }
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    writer["emitUTF8"] = true;
    return Json::writeString(writer, root) + '\n';
}

}  // namespace ilmo::ctl
