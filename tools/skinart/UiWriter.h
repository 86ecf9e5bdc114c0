#pragma once
// Writes Qt Designer .ui documents: widgets, layouts and their properties.

#include <QColor>
#include <QRect>
#include <QString>
#include <QXmlStreamWriter>

#include <vector>

namespace ilmo::skinart {

class UiWriter {
public:
    // The form's class is the root widget's class.
    UiWriter(QByteArray* out, const QString& form_class);
    ~UiWriter();

    void begin_widget(const QString& class_name, const QString& name);
    void end_widget();
    // A layout of the current widget, or a nested layout inside the current layout item.
    void begin_layout(const QString& class_name, const QString& name, int margin, int spacing);
    void end_layout();
    void begin_item();
    void end_item();
    void spacer(Qt::Orientation orientation, const QString& name);

    void geometry(const QRect& rect);
    void fixed_size(QSize size);
    void size_property(const QString& name, QSize size);
    void string_property(const QString& name, const QString& value);
    // Properties the class does not declare: the skin contract's "langkey", "fontid", ...
    void dynamic_string(const QString& name, const QString& value);
    void dynamic_number(const QString& name, int value);
    void number_property(const QString& name, int value);
    void bool_property(const QString& name, bool value);
    void enum_property(const QString& name, const QString& value);
    // Flags joined with '|', as "Qt::AlignLeading|Qt::AlignBottom".
    void set_property(const QString& name, const QString& flags);
    void pixmap_property(const QString& name, const QString& path);
    // The widget's palette with one colour role set for the enabled states. A style sheet
    // stops palettes from reaching children, so each widget needs its own.
    void palette_property(const QString& role, QRgb color);

    // Custom classes used in the form, with the Qt class Designer and a plain QUiLoader
    // fall back to.
    void declare_custom(const QString& class_name, const QString& extends, bool container);

private:
    // Opens <property name=...>; a dynamic one is marked stdset="0".
    void begin_property(const QString& name, bool dynamic = false);
    void number(const QString& name, int value, bool dynamic);

    struct Custom {
        QString class_name;
        QString extends;
        bool container;
    };
    QXmlStreamWriter xml_;
    std::vector<Custom> customs_;
};

}  // namespace ilmo::skinart
