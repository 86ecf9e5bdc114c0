#include "keyboard/MacroImage.h"

#include <algorithm>

#include "macros/MacroDocument.h"
#include "macros/MacroIndex.h"
#include "profiles/JsonFile.h"

namespace ilmo::keyboard {

namespace {

constexpr size_t kHeaderBytes = 16;
constexpr size_t kOffsetBytes = 2;
constexpr size_t kBlockHeaderBytes = 4;
constexpr size_t kEventBytes = 4;
constexpr size_t kLargestImageBytes = 0xFFFF;  // what the 16-bit size field can say
constexpr uint8_t kPressBit = 0x80;

size_t block_bytes(const MacroEvents& events) {
    return kBlockHeaderBytes + kEventBytes * events.size();
}

size_t image_bytes(const std::vector<MacroEvents>& macros) {
    size_t total = kHeaderBytes;
    for (const MacroEvents& events : macros) total += kOffsetBytes + block_bytes(events);
    return total;
}

void put_le16(std::vector<uint8_t>& image, size_t at, size_t value) {
    image[at] = static_cast<uint8_t>(value);
    image[at + 1] = static_cast<uint8_t>(value >> 8);
}

// The press bit belongs to the action alone, so a kind never sets it.
void put_event(std::vector<uint8_t>& image, size_t at, const macros::MacroEvent& event) {
    put_le16(image, at, static_cast<size_t>(std::clamp(event.delay_ms, 0, macros::kMaxDelayMs)));
    uint8_t kind = static_cast<uint8_t>(event.type) & ~kPressBit;
    if (event.action == macros::kActionDown) kind |= kPressBit;
    image[at + 2] = kind;
    image[at + 3] = static_cast<uint8_t>(event.button);
}

std::vector<uint8_t> pack_image(const std::vector<MacroEvents>& macros, size_t size) {
    std::vector<uint8_t> image(size, 0);
    image[0] = 0xAA;
    image[1] = 0x55;
    put_le16(image, 2, size);
    put_le16(image, 4, macros.size());
    size_t block = kHeaderBytes + kOffsetBytes * macros.size();
    for (size_t m = 0; m < macros.size(); ++m) {
        put_le16(image, kHeaderBytes + kOffsetBytes * m, block);
        put_le16(image, block, macros[m].size());
        for (size_t e = 0; e < macros[m].size(); ++e)
            put_event(image, block + kBlockHeaderBytes + kEventBytes * e, macros[m][e]);
        block += block_bytes(macros[m]);
    }
    return image;
}

}  // namespace

std::vector<MacroEvents> load_used_macros(const std::filesystem::path& profile_folder,
                                          const std::vector<int>& used_macros) {
    return load_used_macros(profile_folder, used_macros, [](const std::filesystem::path& path) {
        return profiles::read_json_file(path);
    });
}

std::vector<MacroEvents> load_used_macros(const std::filesystem::path& profile_folder,
                                          const std::vector<int>& used_macros,
                                          const DocumentReader& read) {
    if (used_macros.empty()) return {};
    const Json::Value index_document = read(macros::macro_index_path(profile_folder));
    if (!index_document.isObject()) return {};
    const std::vector<macros::MacroInfo> index = macros::decode_macro_index(index_document);
    std::vector<MacroEvents> loaded(used_macros.size());
    for (size_t place = 0; place < used_macros.size(); ++place) {
        const int number = used_macros[place];
        if (number < 0 || static_cast<size_t>(number) >= index.size()) continue;
        const std::string& guid = index[static_cast<size_t>(number)].guid;
        if (guid.empty()) continue;
        loaded[place] =
            macros::decode_macro_document(read(macros::macro_file_path(profile_folder, guid)))
                .events;
    }
    return loaded;
}

MacroImageOutcome build_macro_image(const std::vector<MacroEvents>& macros, size_t capacity_bytes) {
    if (macros.empty()) return {};
    const size_t size = image_bytes(macros);
    const size_t capacity = std::min(capacity_bytes, kLargestImageBytes + 1);
    if (size >= capacity) return {{}, (size - capacity) / kEventBytes + 1};
    return {pack_image(macros, size), 0};
}

}  // namespace ilmo::keyboard
