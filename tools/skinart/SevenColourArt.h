#pragma once
// The seven-colour sample: what a light set to cycle through its colours shows in place of
// one colour.

namespace ilmo::skinart {

class ArtSink;

void draw_seven_colour_sample(ArtSink& sink);

}  // namespace ilmo::skinart
