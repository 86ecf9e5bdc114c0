#pragma once
// The main window's default background, the backgrounds the skin frame offers and their
// thumbnails.

#include <QString>

namespace ilmo::skinart {

class ArtSink;

inline constexpr int kSkinBackgroundCount = 6;
// "common/skin/skin_<n>.png" and its thumbnail "common/skin/skin_<n>_thumb.png", n from 1.
QString skin_background_path(int n);
QString skin_thumbnail_path(int n);

void draw_backgrounds(ArtSink& sink);

}  // namespace ilmo::skinart
