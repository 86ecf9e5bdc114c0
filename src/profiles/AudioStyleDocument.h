#pragma once
// "AudioFile.json": the music styles. The program folder's DefaultData holds the shipped
// file, the user data folder the user's. At start both are read and merged, and the user
// file is written so that it exists and holds a complete style record from then on.

#include <json/value.h>

#include <filesystem>

#include "profiles/AudioStyleRecord.h"

namespace ilmo::profiles {

// The user document with every value the user file lacks, or holds out of range, taken from
// the default document. The root's "Device" member comes from the user file when it has
// one, else from the default file.
Json::Value merge_audio_documents(const Json::Value& default_document,
                                  const Json::Value& user_document);

class AudioStyleDocument {
public:
    static constexpr const char* kFileName = "AudioFile.json";

    AudioStyleDocument(const std::filesystem::path& default_data_folder,
                       const std::filesystem::path& user_data_folder);

    // Reads and merges both files and writes the user file; false when that write failed
    // (the merged styles are in memory all the same).
    bool load();
    const AudioStyleRecord& record() const { return record_; }
    // Stores a changed record and saves the user file.
    bool store(const AudioStyleRecord& record);

    const Json::Value& document() const { return document_; }

private:
    bool save();

    std::filesystem::path default_path_;
    std::filesystem::path user_path_;
    Json::Value document_;
    AudioStyleRecord record_ = default_audio_style();
};

}  // namespace ilmo::profiles
