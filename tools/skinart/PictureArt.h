#pragma once
// The device pictures the pages show behind their keys and lights.

namespace ilmo::skinart {

class ArtSink;

void draw_device_pictures(ArtSink& sink);

}  // namespace ilmo::skinart
