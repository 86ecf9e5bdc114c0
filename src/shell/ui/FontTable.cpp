#include "shell/ui/FontTable.h"

#include <QFont>
#include <QWidget>

#include <array>

namespace ilmo::shell::ui {

namespace {

struct FontEntry {
    int id;
    int size_px;
    bool bold = false;
    bool underline = false;
};

constexpr int kDefaultSize_px = 14;

constexpr std::array<FontEntry, 13> kFonts{{
    {0, 15},
    {1, 14, false, true},
    {2, 18},
    {3, 30},
    {4, 16},
    {5, 20},
    {6, 22},
    {7, 14},
    {8, 12},
    {9, 11},
    {10, 10},
    {11, 28},
    {50, 18, true},
}};

}  // namespace

QFont font_for(int font_id, const QString& family) {
    FontEntry entry{kDefaultFontId, kDefaultSize_px};
    for (const FontEntry& candidate : kFonts)
        if (candidate.id == font_id) entry = candidate;
    QFont font(family);
    font.setPixelSize(entry.size_px);
    font.setBold(entry.bold);
    font.setUnderline(entry.underline);
    return font;
}

void apply_fonts(QWidget* root, const QString& family) {
    if (!root) return;
    root->setFont(font_for(kDefaultFontId, family));
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        bool ok = false;
        const int id = widget->property("fontid").toInt(&ok);
        if (ok) widget->setFont(font_for(id, family));
    }
}

}  // namespace ilmo::shell::ui
