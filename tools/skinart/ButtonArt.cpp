#include "ButtonArt.h"

#include <QPainter>

#include "ArtSink.h"
#include "Glyphs.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

enum class State { Normal, Hot, Pushed };

struct Look {
    QColor glyph;
    QColor backdrop;  // transparent for none
};

Look title_look(State state, bool danger) {
    switch (state) {
        case State::Normal: return {color(kTextDim), Qt::transparent};
        case State::Hot: return {color(kText), danger ? color(kDanger) : color(kRaised)};
        case State::Pushed: return {danger ? color(kText) : color(kAccent),
                                    danger ? color(kDanger).darker(130) : color(kSurface)};
    }
    return {};
}

QImage glyph_button(QSize size, Glyph glyph, const Look& look, double glyph_fraction) {
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (look.backdrop.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.backdrop);
        p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 6, 6);
    }
    const double side = std::min(size.width(), size.height()) * glyph_fraction;
    const QRectF box(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    draw_glyph(p, glyph, box, look.glyph);
    return image;
}

void write_states(ArtSink& sink, const QString& stem, QSize size, Glyph glyph,
                  double glyph_fraction, bool danger = false) {
    const std::pair<State, const char*> states[] = {
        {State::Normal, "_normal.png"}, {State::Hot, "_hot.png"}, {State::Pushed, "_pushed.png"}};
    for (const auto& [state, suffix] : states)
        sink.save(glyph_button(size, glyph, title_look(state, danger), glyph_fraction),
                  stem + QLatin1String(suffix));
}

// Feature tab icons: dim while the tab is off, accent while it is on.
void write_tab_icon(ArtSink& sink, const QString& stem, Glyph glyph) {
    for (bool on : {false, true}) {
        QImage image = canvas({20, 20});
        QPainter p(&image);
        draw_glyph(p, glyph, QRectF(0, 0, 20, 20), on ? color(kAccent) : color(kTextDim));
        p.end();
        sink.save(image, QStringLiteral("common/tab/") + stem + (on ? "_on.png" : "_off.png"));
    }
}

// The sync toggle of a selector item: a small round badge.
QImage sync_badge(bool on, bool hot) {
    QImage image = canvas({22, 22});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(on ? color(kAccent) : color(kBorder).lighter(hot ? 160 : 120), 1.2));
    p.setBrush(on ? color(kAccentDeep) : color(kSurface));
    p.drawEllipse(QRectF(1, 1, 20, 20));
    draw_glyph(p, Glyph::Sync, QRectF(5, 5, 12, 12),
               on ? color(kText) : (hot ? color(kText) : color(kTextDim)));
    return image;
}

// Indicators the style sheet uses for combo boxes, check boxes and radio buttons.
QImage combo_arrow(const QColor& c) {
    QImage image = canvas({12, 12});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 4.5}, {6, 8}, {9.5, 4.5}}));
    return image;
}

QImage check_box(bool on) {
    QImage image = canvas({16, 16});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(on ? QPen(color(kAccent), 1.2) : QPen(color(kBorder).lighter(150), 1.2));
    p.setBrush(on ? color(kAccent) : color(kSurface));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    if (on) {
        p.setPen(QPen(color(kBackground), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4.5, 8.2}, {7, 10.6}, {11.6, 5.4}}));
    }
    return image;
}

QImage radio_button(bool on) {
    QImage image = canvas({16, 16});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(on ? QPen(color(kAccent), 1.4) : QPen(color(kBorder).lighter(150), 1.2));
    p.setBrush(color(kSurface));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(color(kAccent));
        p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    }
    return image;
}

}  // namespace

void draw_button_images(ArtSink& sink) {
    sink.save(combo_arrow(color(kTextDim)), QStringLiteral("common/control/arrow_down.png"));
    sink.save(combo_arrow(color(kAccent)), QStringLiteral("common/control/arrow_down_hot.png"));
    sink.save(check_box(false), QStringLiteral("common/control/check_off.png"));
    sink.save(check_box(true), QStringLiteral("common/control/check_on.png"));
    sink.save(radio_button(false), QStringLiteral("common/control/radio_off.png"));
    sink.save(radio_button(true), QStringLiteral("common/control/radio_on.png"));

    const std::pair<const char*, Glyph> title_buttons[] = {
        {"max", Glyph::Maximise},       {"restore", Glyph::Restore}, {"min", Glyph::Minimise},
        {"skin", Glyph::Skin},          {"gamemode", Glyph::GameMode}, {"cloud", Glyph::Cloud},
        {"smarteyes", Glyph::SmartEyes}, {"set", Glyph::Settings},    {"menu", Glyph::Menu},
    };
    for (const auto& [stem, glyph] : title_buttons)
        write_states(sink, QStringLiteral("common/title/") + stem, {32, 32}, glyph, 0.56);
    write_states(sink, QStringLiteral("common/title/close"), {32, 32}, Glyph::Close, 0.56, true);

    write_states(sink, QStringLiteral("common/button/prev"), {28, 48}, Glyph::Previous, 0.8);
    write_states(sink, QStringLiteral("common/button/next"), {28, 48}, Glyph::Next, 0.8);

    const std::pair<const char*, Glyph> profile_tools[] = {
        {"add", Glyph::Add},       {"sub", Glyph::Remove}, {"copy", Glyph::Copy},
        {"import", Glyph::Import}, {"export", Glyph::Export}, {"reset", Glyph::Reset},
        {"save", Glyph::Save},     {"spread", Glyph::Spread}, {"default", Glyph::Default},
    };
    for (const auto& [stem, glyph] : profile_tools)
        write_states(sink, QStringLiteral("common/profile/") + stem, {28, 28}, glyph, 0.62);

    const std::pair<const char*, Glyph> tabs[] = {
        {"light", Glyph::Lighting}, {"keys", Glyph::Keys},      {"macro", Glyph::Macro},
        {"system", Glyph::System},  {"dpi", Glyph::Dpi},        {"eq", Glyph::Equaliser},
        {"voice", Glyph::Voice},    {"surround", Glyph::Surround}, {"home", Glyph::Home},
    };
    for (const auto& [stem, glyph] : tabs) write_tab_icon(sink, QLatin1String(stem), glyph);

    sink.save(sync_badge(false, false), QStringLiteral("common/device_ico/sync_normal.png"));
    sink.save(sync_badge(false, true), QStringLiteral("common/device_ico/sync_hot.png"));
    sink.save(sync_badge(true, false), QStringLiteral("common/device_ico/sync_selected.png"));
}

}  // namespace ilmo::skinart
