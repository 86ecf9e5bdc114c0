// Renders frames of a keyboard or pad preview, one below the other, into a PNG: the keys at
// their places on the board (or the pad's 15 lights in a ring), each in its colour scaled by
// its brightness as a frame is built.
//
//   lightstrip [--pad] --mode M [--frames N] [--every-ms T] [--speed S] [--brightness B]
//              [--colourful 0|1] [--direction D] [--colour RRGGBB] [--secondary N]
//              [--press KEY@MS]... OUT.png

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardLayout.h"
#include "lighting/KeyboardPreview.h"
#include "lighting/PadEffects.h"
#include "lighting/PadPreview.h"

namespace {

using namespace ilmo;

constexpr int kKeyPx = 22;
constexpr int kMarginPx = 6;

struct Press {
    int key;
    int64_t at_ms;
};

struct Options {
    bool pad = false;
    int frames = 8;
    int every_ms = 96;
    device::LightRecord lighting{.mode = 1, .brightness = 4, .speed = 2, .red = 255, .green = 80};
    std::vector<Press> presses;
    QString out;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : "0"; };
        const auto byte = [&] { return static_cast<uint8_t>(std::atoi(value())); };
        if (arg == "--pad")
            o.pad = true;
        else if (arg == "--mode")
            o.lighting.mode = byte();
        else if (arg == "--frames")
            o.frames = std::atoi(value());
        else if (arg == "--every-ms")
            o.every_ms = std::atoi(value());
        else if (arg == "--speed")
            o.lighting.speed = byte();
        else if (arg == "--brightness")
            o.lighting.brightness = byte();
        else if (arg == "--colourful")
            o.lighting.multicolor = byte();
        else if (arg == "--direction")
            o.lighting.direction = byte();
        else if (arg == "--secondary")
            o.lighting.secondary_mode = byte();
        else if (arg == "--colour") {
            const unsigned long rgb = std::strtoul(value(), nullptr, 16);
            o.lighting.red = static_cast<uint8_t>(rgb >> 16);
            o.lighting.green = static_cast<uint8_t>(rgb >> 8);
            o.lighting.blue = static_cast<uint8_t>(rgb);
        } else if (arg == "--press") {
            const std::string press = value();
            const size_t at = press.find('@');
            o.presses.push_back({std::atoi(press.c_str()),
                                 at == std::string::npos ? 0 : std::atoll(press.c_str() + at + 1)});
        } else if (arg[0] != '-')
            o.out = QString::fromStdString(arg);
        else
            return false;
    }
    return !o.out.isEmpty() && o.frames > 0;
}

QColor shown(const device::ColorRecord& c) {
    const device::Rgb rgb = device::scaled(c);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRectF key_rect(int light, float top) {
    const lighting::LightPlace p = lighting::light_places()[static_cast<size_t>(light)];
    return QRectF(kMarginPx + p.x * kKeyPx, top + p.y * kKeyPx, kKeyPx - 3, kKeyPx - 3);
}

QRectF pad_rect(int light, float top) {
    // Around an oval, light 0 at the top left going clockwise.
    const double angle = M_PI + 2 * M_PI * light / lighting::kPadLights;
    return QRectF(kMarginPx + 150 + 130 * std::cos(angle), top + 60 + 52 * std::sin(angle), 18, 18);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: lightstrip [--pad] --mode M [options] OUT.png\n");
        return 2;
    }
    lighting::KeyboardPreview keyboard;
    lighting::PadPreview pad;
    // The per-key mode shows the page's custom colours: a rainbow along the board here.
    std::vector<device::Rgb> custom;
    for (const lighting::LightPlace& place : lighting::light_places())
        custom.push_back(lighting::spectrum_color(static_cast<int>(place.x * 8)));
    keyboard.set_custom_colors(custom);
    lighting::Preview& preview = o.pad ? static_cast<lighting::Preview&>(pad) : keyboard;
    std::vector<device::ColorRecord> lights(o.pad ? lighting::kPadLights : 170);
    const int frame_px = o.pad ? 140 : lighting::kBoardRows * kKeyPx + 2 * kMarginPx;
    const int width_px = o.pad ? 320 : lighting::kBoardColumns * kKeyPx + 2 * kMarginPx;
    QImage image(width_px, frame_px * o.frames, QImage::Format_RGB32);
    image.fill(QColor(24, 24, 28));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);

    preview.prepare(o.lighting);
    int64_t now_ms = 0;
    size_t next_press = 0;
    for (int frame = 0; frame < o.frames; ++frame) {
        const int64_t frame_ms = int64_t{frame} * o.every_ms;
        // Run every tick the thread would have run up to this frame.
        while (now_ms <= frame_ms) {
            for (; next_press < o.presses.size() && o.presses[next_press].at_ms <= now_ms;
                 ++next_press) {
                keyboard.key_event(o.presses[next_press].key, true);
                keyboard.key_event(o.presses[next_press].key, false);
            }
            preview.tick(o.lighting, lights, now_ms);
            now_ms = std::max(now_ms + 1, preview.next_due_ms(o.lighting, now_ms));
        }
        const auto top = static_cast<float>(frame * frame_px + kMarginPx);
        const int count = o.pad ? lighting::kPadLights : lighting::kBoardLights;
        for (int light = 0; light < count; ++light) {
            painter.setBrush(shown(lights[static_cast<size_t>(light)]));
            painter.drawRoundedRect(o.pad ? pad_rect(light, top) : key_rect(light, top), 3, 3);
        }
    }
    painter.end();
    if (!image.save(o.out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(o.out));
        return 1;
    }
    std::printf("%s\n", qPrintable(o.out));
    return 0;
}
