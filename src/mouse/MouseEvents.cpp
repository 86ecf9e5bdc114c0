#include "mouse/MouseEvents.h"

#include "mouse/SettingsBlock.h"

namespace ilmo::mouse {

namespace {

constexpr uint16_t kFirstSynchronise = 0x0401;
constexpr uint16_t kLastSynchronise = 0x0402;
constexpr uint16_t kReactiveFlash = 0x0403;
constexpr uint8_t kProfileOnly = 0x10;
constexpr uint8_t kProfileAndStage = 0x11;

MouseEvent profile_change(uint16_t code) {
    const uint8_t kind = static_cast<uint8_t>(code >> 8);
    if (kind != kProfileOnly && kind != kProfileAndStage) return {};
    MouseEvent event{MouseEvent::Kind::ProfileChange, code & 0x0F, -1};
    const int stage = (code >> 4) & 0x0F;
    if (kind == kProfileAndStage && stage < static_cast<int>(kStageCount)) event.dpi_stage = stage;
    return event;
}

}  // namespace

MouseEvent decode_mouse_event(uint16_t code, bool cable_reader) {
    if (code == kFirstSynchronise || code == kLastSynchronise)
        return {MouseEvent::Kind::Synchronise};
    if (code == kReactiveFlash && cable_reader) return {MouseEvent::Kind::ReactiveFlash};
    return profile_change(code);
}

}  // namespace ilmo::mouse
