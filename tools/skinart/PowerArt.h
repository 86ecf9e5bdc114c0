#pragma once
// Images of the power indicator: charge states, the wireless logo and the phone types of
// the mouse pad's charger.

namespace ilmo::skinart {

class ArtSink;

void draw_power_images(ArtSink& sink);

}  // namespace ilmo::skinart
