#include "UiWriter.h"

namespace ilmo::skinart {

UiWriter::UiWriter(QByteArray* out, const QString& form_class) : xml_(out) {
    xml_.setAutoFormatting(true);
    xml_.setAutoFormattingIndent(1);
    xml_.writeStartDocument();
    xml_.writeStartElement(QStringLiteral("ui"));
    xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    xml_.writeTextElement(QStringLiteral("class"), form_class);
}

UiWriter::~UiWriter() {
    if (!customs_.empty()) {
        xml_.writeStartElement(QStringLiteral("customwidgets"));
        for (const Custom& custom : customs_) {
            xml_.writeStartElement(QStringLiteral("customwidget"));
            xml_.writeTextElement(QStringLiteral("class"), custom.class_name);
            xml_.writeTextElement(QStringLiteral("extends"), custom.extends);
            xml_.writeTextElement(QStringLiteral("header"), custom.class_name + QStringLiteral(".h"));
            if (custom.container) xml_.writeTextElement(QStringLiteral("container"), QStringLiteral("1"));
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }
    xml_.writeEmptyElement(QStringLiteral("resources"));
    xml_.writeEmptyElement(QStringLiteral("connections"));
    xml_.writeEndElement();
    xml_.writeEndDocument();
}

void UiWriter::begin_widget(const QString& class_name, const QString& name) {
    xml_.writeStartElement(QStringLiteral("widget"));
    xml_.writeAttribute(QStringLiteral("class"), class_name);
    xml_.writeAttribute(QStringLiteral("name"), name);
}

void UiWriter::end_widget() { xml_.writeEndElement(); }

void UiWriter::begin_property(const QString& name, bool dynamic) {
    xml_.writeStartElement(QStringLiteral("property"));
    xml_.writeAttribute(QStringLiteral("name"), name);
    if (dynamic) xml_.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
}

void UiWriter::begin_layout(const QString& class_name, const QString& name, int margin,
                            int spacing) {
    xml_.writeStartElement(QStringLiteral("layout"));
    xml_.writeAttribute(QStringLiteral("class"), class_name);
    xml_.writeAttribute(QStringLiteral("name"), name);
    begin_property(QStringLiteral("spacing"));
    xml_.writeTextElement(QStringLiteral("number"), QString::number(spacing));
    xml_.writeEndElement();
    for (const char* side : {"leftMargin", "topMargin", "rightMargin", "bottomMargin"}) {
        begin_property(QLatin1String(side));
        xml_.writeTextElement(QStringLiteral("number"), QString::number(margin));
        xml_.writeEndElement();
    }
}

void UiWriter::end_layout() { xml_.writeEndElement(); }
void UiWriter::begin_item() { xml_.writeStartElement(QStringLiteral("item")); }
void UiWriter::end_item() { xml_.writeEndElement(); }

void UiWriter::spacer(Qt::Orientation orientation, const QString& name) {
    begin_item();
    xml_.writeStartElement(QStringLiteral("spacer"));
    xml_.writeAttribute(QStringLiteral("name"), name);
    enum_property(QStringLiteral("orientation"),
                  orientation == Qt::Horizontal ? QStringLiteral("Qt::Horizontal")
                                                : QStringLiteral("Qt::Vertical"));
    begin_property(QStringLiteral("sizeHint"), true);
    xml_.writeStartElement(QStringLiteral("size"));
    xml_.writeTextElement(QStringLiteral("width"), QStringLiteral("0"));
    xml_.writeTextElement(QStringLiteral("height"), QStringLiteral("0"));
    xml_.writeEndElement();
    xml_.writeEndElement();
    xml_.writeEndElement();
    end_item();
}

void UiWriter::geometry(const QRect& rect) {
    begin_property(QStringLiteral("geometry"));
    xml_.writeStartElement(QStringLiteral("rect"));
    xml_.writeTextElement(QStringLiteral("x"), QString::number(rect.x()));
    xml_.writeTextElement(QStringLiteral("y"), QString::number(rect.y()));
    xml_.writeTextElement(QStringLiteral("width"), QString::number(rect.width()));
    xml_.writeTextElement(QStringLiteral("height"), QString::number(rect.height()));
    xml_.writeEndElement();
    xml_.writeEndElement();
}

void UiWriter::fixed_size(QSize size) {
    size_property(QStringLiteral("minimumSize"), size);
    size_property(QStringLiteral("maximumSize"), size);
}

void UiWriter::size_property(const QString& name, QSize size) {
    begin_property(name);
    xml_.writeStartElement(QStringLiteral("size"));
    xml_.writeTextElement(QStringLiteral("width"), QString::number(size.width()));
    xml_.writeTextElement(QStringLiteral("height"), QString::number(size.height()));
    xml_.writeEndElement();
    xml_.writeEndElement();
}

void UiWriter::string_property(const QString& name, const QString& value) {
    begin_property(name);
    xml_.writeTextElement(QStringLiteral("string"), value);
    xml_.writeEndElement();
}

void UiWriter::dynamic_string(const QString& name, const QString& value) {
    begin_property(name, true);
    xml_.writeTextElement(QStringLiteral("string"), value);
    xml_.writeEndElement();
}

void UiWriter::dynamic_number(const QString& name, int value) {
    number(name, value, true);
}

void UiWriter::number_property(const QString& name, int value) {
    number(name, value, false);
}

void UiWriter::number(const QString& name, int value, bool dynamic) {
    begin_property(name, dynamic);
    xml_.writeTextElement(QStringLiteral("number"), QString::number(value));
    xml_.writeEndElement();
}

void UiWriter::bool_property(const QString& name, bool value) {
    begin_property(name);
    xml_.writeTextElement(QStringLiteral("bool"), value ? QStringLiteral("true") : QStringLiteral("false"));
    xml_.writeEndElement();
}

void UiWriter::enum_property(const QString& name, const QString& value) {
    begin_property(name);
    xml_.writeTextElement(QStringLiteral("enum"), value);
    xml_.writeEndElement();
}

void UiWriter::set_property(const QString& name, const QString& flags) {
    begin_property(name);
    xml_.writeTextElement(QStringLiteral("set"), flags);
    xml_.writeEndElement();
}

void UiWriter::pixmap_property(const QString& name, const QString& path) {
    begin_property(name);
    xml_.writeTextElement(QStringLiteral("pixmap"), path);
    xml_.writeEndElement();
}

void UiWriter::palette_property(const QString& role, QRgb color) {
    begin_property(QStringLiteral("palette"));
    xml_.writeStartElement(QStringLiteral("palette"));
    for (const char* group : {"active", "inactive"}) {
        xml_.writeStartElement(QLatin1String(group));
        xml_.writeStartElement(QStringLiteral("colorrole"));
        xml_.writeAttribute(QStringLiteral("role"), role);
        xml_.writeStartElement(QStringLiteral("brush"));
        xml_.writeAttribute(QStringLiteral("brushstyle"), QStringLiteral("SolidPattern"));
        xml_.writeStartElement(QStringLiteral("color"));
        xml_.writeAttribute(QStringLiteral("alpha"), QString::number(qAlpha(color)));
        xml_.writeTextElement(QStringLiteral("red"), QString::number(qRed(color)));
        xml_.writeTextElement(QStringLiteral("green"), QString::number(qGreen(color)));
        xml_.writeTextElement(QStringLiteral("blue"), QString::number(qBlue(color)));
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEndElement();
    }
    xml_.writeEndElement();
    xml_.writeEndElement();
}

void UiWriter::declare_custom(const QString& class_name, const QString& extends, bool container) {
    customs_.push_back({class_name, extends, container});
}

}  // namespace ilmo::skinart
