#pragma once
// The keyboard's own preview effects. Two follow the board's tables exactly: the column
// rainbow breathing and the steady colours by rings. The others are this program's pictures
// of what the keyboard runs itself (the device draws the real effect; these only animate the
// page): waves, sweeps, ripples, rain, fireworks and the answers to key presses, all laid
// out by where the keys sit (KeyboardLayout.h).
//
// Every step advances the record's running step (byte 8) and the state, then draws a whole
// frame. The effect a mode number shows is chosen in KeyboardPreview.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "device/LightingTypes.h"
#include "lighting/KeyCanvas.h"
#include "lighting/KeyboardLayout.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

inline constexpr int kBandCount = 25;
// The music bands one step of the music mode shows.
using BandValues = std::array<int, kBandCount>;

// A moving shape started by a key press or by the effect itself.
enum class SparkShape : uint8_t {
    kRipple,   // a ring spreading from its origin across the board
    kCross,    // four arms running out along the origin's row and column
    kDroplet,  // a small ring that fades before it gets far
    kBurst,    // a firework's ring of sparks
};

struct Spark {
    LightPlace origin;
    device::Rgb color;
    SparkShape shape = SparkShape::kRipple;
    int age_steps = 0;
};

struct Rocket {
    float x = 0;
    float y = kBoardRows;
    float burst_y = 0;
    device::Rgb color;
};

// Everything an effect keeps between steps beyond the record's own bytes.
struct KeyboardEffectState {
    SharedEffectState shared;
    Random random;
    int steps = 0;                              // steps since the effect was prepared
    std::array<uint8_t, kPlacedLights> glow{};  // per light, 255 = just lit, fading to 0
    std::array<device::Rgb, kPlacedLights> key_color{};
    std::array<uint8_t, kPlacedLights> key_phase{};
    std::array<bool, kPlacedLights> held{};
    std::vector<Spark> sparks;
    std::vector<Rocket> rockets;
    std::array<float, kBoardColumns> drop_y{};      // rain: head row per column
    std::array<int, kBoardColumns> drop_wait{};     // rain: steps before the next drop
    std::array<uint8_t, kPlacedLights> marker{};    // music: keys whose glow fades each step
    std::array<bool, kBoardColumns> column_held{};  // music: columns keeping their bar
};

// The light of page key `key`: through the map when one is given, else the key itself.
int light_of_key(std::span<const int> key_to_light, int key);

// -- the board's tables ------------------------------------------------------------------
// Breathes the whole board over the curve (always forward); column c shows spectrum entry
// 7 × c, or the single colour. Keys the table leaves out copy their nearest painted key.
void column_rainbow_breathing(KeyCanvas& canvas, device::LightRecord& record);
// The colourful steady: the keys of row r of the steady table (rings of keys round the O
// key, row 0 being the O key itself) take spectrum entry 138 − 12 × r at level brightness;
// the rows name keys, translated to lights. Keys in no row copy their nearest painted key.
void steady_by_rows(KeyCanvas& canvas, std::span<const int> key_to_light);

// -- sweeps across the board (KeyboardSweeps.cpp) ---------------------------------------
void rainbow_wave(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void pinwheel_swirl(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void vertical_wave(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void heartbeat(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void aurora(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void radial_rings(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void scanner_bar(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void radar_sweep(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void standby_glow(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);

// -- scattered lights (KeyboardParticles.cpp) -------------------------------------------
void snake(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void mosaic(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void glitter(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void fireworks(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void starlight(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void rain(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void raindrops(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
void prepare_glitter(KeyboardEffectState&);
void prepare_rain(KeyboardEffectState&);

// -- key presses and spreading shapes (KeyboardReactive.cpp) -----------------------------
// Draws every spark where it has spread to, then ages them and retires the faded ones.
void draw_sparks(KeyCanvas& canvas, KeyboardEffectState& state);
// Ripples and crosses spread from pressed keys over a dark board.
void spreading_presses(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
// Pressed keys glow while held and fade once released.
void glowing_presses(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
// Sparks scattered around pressed keys twinkle out over a dim board.
void sparkling_presses(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);
enum class PressAnswer : uint8_t { kRipple, kCross, kGlow, kSparkle };
void answer_key(PressAnswer answer, int light, bool down, const device::LightRecord& record,
                KeyboardEffectState& state);

// -- the page's own colours (KeyboardTableEffects.cpp) ----------------------------------
// The custom colours sweep in from the left after the mode is chosen, then hold.
void custom_colors(KeyCanvas&, device::LightRecord&, KeyboardEffectState&,
                   std::span<const device::Rgb> colors);

}  // namespace ilmo::lighting
