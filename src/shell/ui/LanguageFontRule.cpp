#include "shell/ui/LanguageFontRule.h"

namespace ilmo::shell::ui {

namespace {

// Indices into the language list whose scripts need a family of their own.
QString own_family(int language_index) {
    switch (language_index) {
        case 15:
            return QStringLiteral("Noto Sans Thai");
        case 0:
            return QStringLiteral("汉仪菱心体简");
        case 2:
            return QStringLiteral("Noto Sans CJK TC Regular");
        default:
            return {};
    }
}

}  // namespace

LanguageFontChoice choose_language_font(std::optional<int> current_index, int new_index) {
    if (current_index == new_index) return {};
    QString family = own_family(new_index);
    if (family.isEmpty() && (!current_index || !own_family(*current_index).isEmpty()))
        family = QStringLiteral("Verdana Unicode MS");
    return {true, family};
}

}  // namespace ilmo::shell::ui
