#pragma once
// The settings of one profile of one device, as read from and written to its profile
// document. The current section is an in-memory copy of the document's device section;
// readers decode it into records, writers change only the copy, and save() puts it on disk.
// The keyboard, mouse and headset add their own sections in subclasses.

#include <json/value.h>

#include <cstddef>
#include <filesystem>
#include <utility>
#include <vector>

#include "device/Trace.h"
#include "profiles/ConfigListDocuments.h"
#include "profiles/KeyListSection.h"
#include "profiles/LightSection.h"

namespace ilmo::profiles {

class CBasicProfiledata {
public:
    using Path = std::filesystem::path;

    CBasicProfiledata() = default;
    virtual ~CBasicProfiledata() = default;
    CBasicProfiledata(const CBasicProfiledata&) = default;
    CBasicProfiledata& operator=(const CBasicProfiledata&) = default;

    // The four operations every device kind shares, in this order. Each reports whether the
    // document reached the disk whole; a failed write leaves the previous file as it was.
    // Writes the current section into this profile's document.
    virtual bool save();
    // Reads the document at `path`, replaces its device section by `section` and writes the
    // whole document back; the other keys of the document are kept (one that does not read
    // is kept as "<file>.unreadable").
    virtual bool store_section(const Path& path, const Json::Value& section);
    // As save(), for the second section and the document at `path`.
    virtual bool save_second_section(const Path& path);
    // Writes `document` as the whole file at `path`.
    virtual bool write_document(const Path& path, const Json::Value& document);

    // Paths are only ever replaced by a non-empty one.
    void set_document_path(const Path& path);
    const Path& document_path() const { return document_path_; }
    void set_default_document_path(const Path& path);
    const Path& default_document_path() const { return default_document_path_; }
    void set_device_index(size_t index) { device_index_ = index; }
    // Where the document reads say what went wrong.
    void set_trace(device::TraceSink trace) { trace_ = std::move(trace); }
    // True once after a save found its document unreadable and kept it aside: the user
    // should hear that the profile was reset and where the old file went.
    bool take_set_aside() { return std::exchange(set_aside_, false); }

    // Takes the device section of the document. A document without one (new, unreadable or
    // holding only its identity keys) gets the default document's section, which is saved at
    // once (store_section keeps a document that does not read). False when that save
    // failed; the section is the default one all the same.
    bool load_section();
    // Takes the device section of another profile's document, to change that profile too.
    void load_second_section(const Path& path);
    const Json::Value& section() const { return section_; }
    const Json::Value& second_section() const { return second_section_; }

    // "LightInfo". Without one the record is the fallback record, which is the device
    // controller's to set (all zero until then). Both calls update the current record.
    const LightRecord& read_light_info();
    void write_light_info(const LightRecord& record);
    const LightRecord& light_record() const { return light_record_; }
    void set_fallback_light_record(const LightRecord& record) { fallback_light_record_ = record; }

    // "AudioLightInfo".
    const AudioLightRecord& read_audio_light();
    void write_audio_light(const AudioLightRecord& record);
    const AudioLightRecord& audio_light_record() const { return audio_light_record_; }

    // "LightList": the effect of each light.
    const std::vector<LightRecord>& read_light_list();
    const std::vector<LightRecord>& light_list() const { return light_list_; }

    // "KeyList" of the current and of the second section. Writing stores the entries and
    // sets the normal and Fn codes in the section; the factory codes stay as stored.
    const std::vector<KeyEntry>& read_key_list();
    const std::vector<KeyEntry>& read_second_key_list();
    void write_key_list(const std::vector<KeyEntry>& entries);
    void write_second_key_list(const std::vector<KeyEntry>& entries);
    const std::vector<KeyEntry>& key_list() const { return key_list_; }
    const std::vector<KeyEntry>& second_key_list() const { return second_key_list_; }

    // The user's lighting effects ("pelko_light.config" of the profile folder). False when
    // the file could not be read; the configuration is then empty.
    bool load_light_config(const Path& path);
    // The steps of the user effect that `select_item` picks: effect select_item −
    // builtin_mode_count of lighting table `table`. The effect's file lies beside the light
    // configuration. Empty when there is no configuration, no such effect or no file.
    const std::vector<EffectStep>& read_user_effect(int select_item, size_t builtin_mode_count,
                                                    size_t table);
    const std::vector<EffectStep>& user_effect() const { return user_effect_; }

protected:
    Json::Value& current_section() { return section_; }

private:
    Path document_path_;
    Path default_document_path_;
    size_t device_index_ = 0;
    device::TraceSink trace_;
    bool set_aside_ = false;
    Json::Value section_;
    Json::Value second_section_;
    Path light_config_path_;
    Json::Value light_config_;

    LightRecord light_record_;
    LightRecord fallback_light_record_;
    AudioLightRecord audio_light_record_;
    std::vector<LightRecord> light_list_;
    std::vector<KeyEntry> key_list_;
    std::vector<KeyEntry> second_key_list_;
    std::vector<EffectStep> user_effect_;
};

}  // namespace ilmo::profiles
