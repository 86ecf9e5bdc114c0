#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace ilmo::shell::ui {

// A colour picker: a hue (across) by saturation (down) field, and below it a strip for the
// value, dark on the left to full on the right. The selected colour is an opaque 0xFFRRGGBB.
class CColorPaletteUI : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int barHeight READ bar_height WRITE set_bar_height)
public:
    explicit CColorPaletteUI(QWidget* parent = nullptr);

    // The alpha byte is forced to 0xFF. Does not emit color_changed(): only the user's
    // picks do. The colour is kept as given, so select_color() returns it unchanged.
    void set_select_color(QRgb argb);
    QRgb select_color() const { return color_; }

    int bar_height() const { return bar_height_px_; }
    void set_bar_height(int height_px);

    QSize sizeHint() const override;

signals:
    void color_changed(QRgb argb);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Field, Bar };

    QRect field_rect() const;
    QRect bar_rect() const;
    void pick(QPoint pos);
    void rebuild_field_image();

    QRgb color_ = 0xFFFF0000u;
    int hue_ = 0;  // 0-359; kept when the colour is grey, where HSV has no hue
    int saturation_ = 255;
    int value_ = 255;
    int bar_height_px_ = 14;
    Drag drag_ = Drag::None;
    QImage field_image_;
};

}  // namespace ilmo::shell::ui
