#include "profiles/JsonFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include <json/reader.h>
#include <json/writer.h>

namespace ilmo::profiles {

namespace {

std::string temporary_name_for(const std::filesystem::path& path) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%016llx",
                  static_cast<unsigned long long>(random()));
    return path.string() + suffix;
}

bool write_all(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

// The styled writer cuts member names at a NUL byte: such a member would be stored as a
// second member of the shortened name and, read back, win over the real one. So it is
// dropped on reading, and what the program writes reads back as written.
void drop_unwritable_names(Json::Value& value) {
    if (value.isObject()) {
        for (const std::string& name : value.getMemberNames()) {
            // The removal that takes a string cuts at the NUL too; this one takes the length.
            if (name.find('\0') != std::string::npos)
                value.removeMember(name.data(), name.data() + name.size(), nullptr);
            else
                drop_unwritable_names(value[name]);
        }
    } else if (value.isArray()) {
        for (Json::Value& element : value) drop_unwritable_names(element);
    }
}

}  // namespace

bool read_file_bytes(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxDocumentBytes) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return false;
    bytes = std::move(text).str();
    return true;
}

Json::Value parse_json(const std::string& text) {
    Json::CharReaderBuilder builder;
    builder["collectComments"] = true;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value document;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &document, &errors))
            return Json::Value();
    } catch (const std::exception&) {
        // The reader throws instead of failing on nesting deeper than its stack limit.
        return Json::Value();
    }
    drop_unwritable_names(document);
    return document;
}

Json::Value read_json_file(const std::filesystem::path& path, const device::TraceSink& trace) {
    std::string text;
    if (!read_file_bytes(path, text)) {
        if (trace) {
            char line[64];
            std::snprintf(line, sizeof line, "readjsonFile 错误吗：：%d\n", errno);
            trace(line);
        }
        return Json::Value();
    }
    if (text.empty()) {
        if (trace) trace(path.string());
        return Json::Value();
    }
    return parse_json(text);
}

std::string styled_json(const Json::Value& document) {
    // The styled form is the one the stored files have always had; the newer builder API
    // writes a different layout, so the older writer is kept on purpose.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Json::StyledWriter writer;
    return writer.write(document);
#pragma GCC diagnostic pop
}

bool write_file_atomically(const std::filesystem::path& path, const std::string& bytes) {
    if (bytes.size() > kMaxDocumentBytes) return false;
    const std::string temporary = temporary_name_for(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool complete = write_all(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0) {
        ::fsync(folder_fd);
        ::close(folder_fd);
    }
    return true;
}

namespace {

// The first name beside `path` that holds no earlier copy; the last one is reused once a
// hundred copies stand there, so a file that keeps breaking cannot fill the disk.
std::filesystem::path free_unreadable_name(const std::filesystem::path& path) {
    constexpr int kMostCopies = 100;
    const std::string base = path.string() + ".unreadable";
    std::filesystem::path kept = base;
    for (int copy = 2; copy <= kMostCopies && std::filesystem::exists(kept); ++copy)
        kept = base + "." + std::to_string(copy);
    return kept;
}

}  // namespace

bool set_aside_unreadable(const std::filesystem::path& path, const device::TraceSink& trace,
                          bool* set_aside) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size == 0) return true;
    const std::filesystem::path kept = free_unreadable_name(path);
    std::filesystem::rename(path, kept, error);
    if (trace) {
        trace(error ? "cannot keep " + path.string() + ": " + error.message()
                    : "kept the unreadable " + path.string() + " as " + kept.string());
    }
    if (!error && set_aside != nullptr) *set_aside = true;
    return !error;
}

Json::Value read_json_file_to_rewrite(const std::filesystem::path& path,
                                      const device::TraceSink& trace, bool* set_aside) {
    Json::Value document = read_json_file(path, trace);
    if (document.isObject()) return document;
    set_aside_unreadable(path, trace, set_aside);
    return Json::Value();
}

bool write_json_file(const std::filesystem::path& path, const Json::Value& document) {
    return write_file_atomically(path, styled_json(document));
}

bool copy_file_atomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::string bytes;
    return read_file_bytes(from, bytes) && write_file_atomically(to, bytes);
}

}  // namespace ilmo::profiles
