#pragma once
// The application and tray icon, the "no device" illustration and the small images panels
// use: slider thumbs and the seven-colour swatch.

namespace ilmo::skinart {

class ArtSink;

void draw_emblems(ArtSink& sink);

}  // namespace ilmo::skinart
