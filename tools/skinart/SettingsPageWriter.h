#pragma once
// The pieces the settings tabs of the device pages are made of: section captions over
// cards, rows with a title column, strips of segment buttons, check boxes, sliders and muted
// hints, each text under its language key.

#include <QSize>
#include <QString>
#include <functional>
#include <span>

namespace ilmo::skinart {

class UiWriter;

// The wording a layout shows for a language key before any language is applied.
using CaptionOf = std::function<QString(const QString& language_key)>;

// Font ids of the skin's font table: 14 px for controls, 12 px for hints, 11 px for captions.
inline constexpr int kControlFont = 7;
inline constexpr int kHintFont = 8;
inline constexpr int kCaptionFont = 9;

inline constexpr int kCardMargin = 16;

struct SliderSpec {
    QString name;
    int minimum;
    int maximum;
    int page_step;
    QSize minimum_size;
    bool inverted = false;  // the highest value at the left
    Qt::Orientation orientation = Qt::Horizontal;
};

class SettingsPageWriter {
public:
    SettingsPageWriter(UiWriter& ui, const CaptionOf& caption) : ui_(ui), caption_(caption) {}

    UiWriter& ui() { return ui_; }

    void label(const QString& name, const char* langkey, int font_id, const char* role);
    // A section's title sits on the card below it, further from the card above.
    void caption(const QString& name, const char* langkey);

    // Cards on the short tabs under a device picture take a narrower margin.
    void begin_card(const QString& name, const char* layout_class, int spacing,
                    int margin = kCardMargin);
    void end_card();
    void begin_row(const QString& name, int spacing);
    void end_row();
    // A row's title in a column of its own, so the rows' controls line up; no text when
    // `langkey` is null (the page writes one).
    void row_label(const QString& name, const char* langkey);

    // A strip of segment buttons named prefix + 0, 1, ..., one exclusive group.
    void steps(const char* prefix, const char* group, std::span<const char* const> texts,
               int segment_width);
    // Its text is the language key name + "_text".
    void check_box(const char* name);
    // A small exclusive option of `group` at a fixed size; its wording under `langkey`, by
    // default name + "_text".
    void chip(const QString& name, const char* group, QSize size, const QString& langkey = {});
    void slider(const SliderSpec& spec);
    void hidden_label(const char* name);
    // A notice the page fills in when it has something to say; hidden until then, and
    // long notices wrap.
    void notice(const char* name);
    void stretch(Qt::Orientation orientation, const QString& name);

    // The current widget's text under `langkey`.
    void text(const QString& langkey);

private:
    UiWriter& ui_;
    const CaptionOf& caption_;
};

}  // namespace ilmo::skinart
