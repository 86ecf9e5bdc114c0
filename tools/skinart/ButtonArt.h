#pragma once
// Images of the skin's image buttons: title bar, selector arrows, profile tools, feature
// tab icons and the sync toggle.

namespace ilmo::skinart {

class ArtSink;

void draw_button_images(ArtSink& sink);

}  // namespace ilmo::skinart
