#pragma once

#include <QString>

#include <optional>

namespace ilmo::shell::ui {

// What switching the language from current_index (none before the first switch) to
// new_index does. Three languages have their own font family; the others share one, and a
// switch between two of those keeps the fonts as they are.
struct LanguageFontChoice {
    bool switches_language = false;  // false: the same language again, nothing at all to do
    QString family;                  // empty: keep the fonts
};

LanguageFontChoice choose_language_font(std::optional<int> current_index, int new_index);

}  // namespace ilmo::shell::ui
