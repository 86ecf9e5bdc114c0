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

// False when the document could not be written whole (no folder, no space, no permission,
// or larger than the reader accepts); the previous file is then untouched.
bool write_json_file(const std::filesystem::path& path, const Json::Value& document);
// The same for raw bytes. Nothing larger than kMaxDocumentBytes is written: the program
// would not read it back.
bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes);
// Copies a file byte for byte, atomically at the destination. False when the source cannot
// be read or the destination not written.
bool copy_file_atomically(const std::filesystem::path& from, const std::filesystem::path& to);
// The bytes of a file; nullopt-like empty optional when it cannot be read.
bool read_file_bytes(const std::filesystem::path& path, std::string& bytes);

// Reads a document that is about to be written back whole. A file that is there but does not
// read as a JSON object (cut short, corrupt, over the size limit) is moved aside to
// "<name>.unreadable" first, so the coming write cannot destroy what the user had; it then
// reads as null, like a missing file.
// `set_aside`, when given, is set to true when a file was moved aside.
Json::Value read_json_file_to_rewrite(const std::filesystem::path& path,
                                      const device::TraceSink& trace = {},
                                      bool* set_aside = nullptr);
// Moves a non-empty file aside to "<name>.unreadable" (or ".unreadable.2", ".3", ... when an
// earlier copy is there, so a second corruption does not cost the first). True when there
// was nothing to move or the move succeeded.
bool set_aside_unreadable(const std::filesystem::path& path, const device::TraceSink& trace = {},
                          bool* set_aside = nullptr);

// Documents are read whole into memory, so the reader refuses anything larger. The largest
// document the program writes is a keyboard profile with all 256 custom colour groups of
// 170 keys filled, its 170 key entries and 170 lighting effects: about 8 MB in the styled
// form. The limit holds four of it.
constexpr std::uintmax_t kMaxDocumentBytes = 32u * 1024u * 1024u;

}  // namespace ilmo::profiles
