#pragma once
// A weapon file holds a mouse's recoil pattern as a macro document the device can play: per
// bullet six events, at 6b .. 6b+5:
//   left press (delay 10), left release (0), X move (5), Y move (the bullet's delay),
//   X move of 0 (0), Y move of 0 (0),
// the moves carrying the bullet's directions. Unlike macro files the delays are integers.

#include <json/value.h>

#include <string>

namespace ilmo::macros {

inline constexpr int kWeaponCount = 4;
inline constexpr int kBulletsPerWeapon = 30;
inline constexpr int kEventsPerBullet = 6;
// A move distance is one byte on the device.
inline constexpr int kMaxMoveDistance = 255;

struct Bullet {
    bool x_left = false;  // else to the right
    int x = 0;
    bool y_up = false;  // else downwards
    int y = 0;
    int delay_ms = 0;

    bool operator==(const Bullet&) const = default;
};

int clamp_weapon(int weapon);
int clamp_bullet(int bullet);

// Bullet `bullet` (clamped) from events 6b+2 and 6b+3. Missing events or members read as
// zero distances to the right and downwards; values are shown as stored.
Bullet read_bullet(const Json::Value& weapon_document, int bullet);

// The bullet as typed into the panel's edits; text that is not a number saves as 0.
struct BulletEdits {
    bool x_left = false;
    std::string x_text;
    bool y_up = false;
    std::string y_text;
    std::string delay_text;
};
// Distances clamp to 0..255 and the delay to 0..65535.
Bullet bullet_from_edits(const BulletEdits& edits);

// `weapon_document` with the six events of `bullet` (clamped) written as above. A document
// that is not an object, or whose "Events" is not an array, starts afresh; a shorter
// "Events" array is filled up with still bullets so that every bullet before stays playable.
Json::Value with_bullet(Json::Value weapon_document, int bullet, const Bullet& values);

}  // namespace ilmo::macros
