#pragma once
// Reading and writing the program's JSON documents. A document is read whole; anything that
// is not a readable JSON document reads as null, and the caller carries on with defaults.
// Writes are atomic: the new text goes to a temporary file in the same folder, is flushed to
// disk and then renamed over the old file, so a crash or a full disk leaves either the old
// or the new document, never a cut one.

#include <json/value.h>

#include <filesystem>
#include <string>

#include "device/Trace.h"

namespace ilmo::profiles {

// Null for a missing, empty, unreadable or unparsable file, or one larger than the limit.
// Traces what went wrong when a sink is given.
Json::Value read_json_file(const std::filesystem::path& path,
                           const device::TraceSink& trace = {});
// Parses text; null when it is not a JSON document. Members whose names hold a NUL byte are
// left out: the writer could not store them.
Json::Value parse_json(const std::string& text);

// The stored form: the styled writer's text (three-space indents, keys sorted), which ends
// in one line end.
std::string styled_json(const Json::Value& document);

// False when the document could not be written whole (no folder, no space, no permission);
// the previous file is then untouched.
bool write_json_file(const std::filesystem::path& path, const Json::Value& document);
// The same for raw bytes.
bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes);
// Copies a file byte for byte, atomically at the destination. False when the source cannot
// be read or the destination not written.
bool copy_file_atomically(const std::filesystem::path& from, const std::filesystem::path& to);
// The bytes of a file; nullopt-like empty optional when it cannot be read.
bool read_file_bytes(const std::filesystem::path& path, std::string& bytes);

// Documents are read whole into memory; nothing this program writes comes near this size.
constexpr std::uintmax_t kMaxDocumentBytes = 64u * 1024u * 1024u;

}  // namespace ilmo::profiles
