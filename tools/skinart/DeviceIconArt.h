#pragma once
// The device icons of the selector strip: for every icon stem a normal, a selected and the
// two synchronised-lighting variants.

namespace ilmo::skinart {

class ArtSink;

void draw_device_icons(ArtSink& sink);

}  // namespace ilmo::skinart
