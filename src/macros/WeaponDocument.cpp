#include "macros/WeaponDocument.h"

#include <algorithm>

#include "macros/DecimalText.h"
#include "macros/MacroEvent.h"
#include "profiles/SectionFields.h"

namespace ilmo::macros {

using profiles::member;
using profiles::element;
using profiles::int_member;
using profiles::string_member;

namespace {

constexpr int kLeftButton = 1;
constexpr int kPressDelayMs = 10;
constexpr int kXMoveDelayMs = 5;

std::string_view direction(bool down) {
    return down ? kActionDown : kActionUp;
}

Json::Value weapon_event(std::string_view action, EventKind kind, int button, int delay_ms) {
    return encode_macro_event({std::string(action), static_cast<int>(kind), button, delay_ms},
                              DelayForm::Integer);
}

// The six events of one bullet, in file order.
Json::Value bullet_events(const Bullet& b) {
    Json::Value events(Json::arrayValue);
    events.append(weapon_event(kActionDown, EventKind::MouseButton, kLeftButton, kPressDelayMs));
    events.append(weapon_event(kActionUp, EventKind::MouseButton, kLeftButton, 0));
    events.append(weapon_event(direction(b.x_left), EventKind::HorizontalMove, b.x, kXMoveDelayMs));
    events.append(weapon_event(direction(b.y_up), EventKind::VerticalMove, b.y, b.delay_ms));
    events.append(weapon_event(direction(b.x_left), EventKind::HorizontalMove, 0, 0));
    events.append(weapon_event(direction(b.y_up), EventKind::VerticalMove, 0, 0));
    return events;
}

}  // namespace

int clamp_weapon(int weapon) {
    return std::clamp(weapon, 0, kWeaponCount - 1);
}
int clamp_bullet(int bullet) {
    return std::clamp(bullet, 0, kBulletsPerWeapon - 1);
}

Bullet read_bullet(const Json::Value& weapon_document, int bullet) {
    const Json::Value& events = member(weapon_document, "Events");
    const auto first = static_cast<Json::ArrayIndex>(clamp_bullet(bullet) * kEventsPerBullet);
    const Json::Value& x_move = element(events, first + 2);
    const Json::Value& y_move = element(events, first + 3);
    return {string_member(x_move, "Action") == kActionDown, int_member(x_move, "Button"),
            string_member(y_move, "Action") == kActionDown, int_member(y_move, "Button"),
            decode_delay_ms(member(y_move, "Delay"))};
}

Bullet bullet_from_edits(const BulletEdits& edits) {
    return {edits.x_left, parse_decimal_clamped(edits.x_text, kMaxMoveDistance), edits.y_up,
            parse_decimal_clamped(edits.y_text, kMaxMoveDistance),
            parse_decimal_clamped(edits.delay_text, kMaxDelayMs)};
}

Json::Value with_bullet(Json::Value weapon_document, int bullet, const Bullet& values) {
    if (!weapon_document.isObject()) weapon_document = Json::Value(Json::objectValue);
    Json::Value& events = weapon_document["Events"];
    if (!events.isArray()) events = Json::Value(Json::arrayValue);
    const auto first = static_cast<Json::ArrayIndex>(clamp_bullet(bullet) * kEventsPerBullet);
    const Json::Value still = bullet_events(Bullet{});
    while (events.size() < first) events.append(still[events.size() % kEventsPerBullet]);
    const Json::Value written = bullet_events(values);
    for (Json::ArrayIndex i = 0; i < kEventsPerBullet; ++i) events[first + i] = written[i];
    return weapon_document;
}

}  // namespace ilmo::macros
