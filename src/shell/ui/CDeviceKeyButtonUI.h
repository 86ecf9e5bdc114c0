#pragma once

#include <QAbstractButton>
#include <QColor>

class QPainter;
class QRectF;

namespace ilmo::shell::ui {

// A key or a light on a device picture, named "key_N" or "light_N". It shows its caption
// over the light's colour as the device shows it (the colour scaled by brightness / 256),
// and a frame while selected. Inside a CSelectPanelUI the panel does the mouse handling;
// anywhere else it is an ordinary button that clicks. A light whose "glow" property is set is
// drawn as an LED under a diffuser instead: a bright core in a halo of its colour.
class CDeviceKeyButtonUI : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool selected READ is_selected WRITE set_selected)
    Q_PROPERTY(bool glow READ glows WRITE set_glow)
    Q_PROPERTY(QColor selectionColor READ selection_color WRITE set_selection_color)
public:
    explicit CDeviceKeyButtonUI(QWidget* parent = nullptr);

    // 0xRRGGBB; the alpha byte is ignored.
    void set_light_color(QRgb rgb);
    QRgb light_color() const { return rgb_; }
    // 0-255, the brightness byte of the light's colour record.
    void set_brightness(int brightness);
    int brightness() const { return brightness_; }
    // The colour as painted: each channel scaled by brightness / 256.
    QColor shown_color() const;

    void set_selected(bool selected);
    bool is_selected() const { return selected_; }

    bool glows() const { return glow_; }
    void set_glow(bool glow);

    QColor selection_color() const { return selection_color_; }
    void set_selection_color(const QColor& color);

    // N of "key_N" / "light_N"; -1 when the name carries no index.
    int index() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool inside_select_panel() const;
    void draw_caption(QPainter& painter, const QRectF& inner) const;
    void draw_glow(QPainter& painter) const;

    QRgb rgb_ = 0;
    int brightness_ = 255;
    bool selected_ = false;
    bool glow_ = false;
    QColor selection_color_{0xff, 0xff, 0xff};
};

}  // namespace ilmo::shell::ui
