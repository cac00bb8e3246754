// mini.bmp: the minimap's colours, one pixel each along the top row, in the
// order the game reads them.
#include "pictures/minimap_layout.h"
#include "pictures/sheet_drawers.h"

namespace pictures {

platform::Image DrawMinimapSheet() {
  Canvas strip(int(minimap_layout::kColours.size()), 1);
  for (const minimap_layout::MinimapColour& entry : minimap_layout::kColours) {
    strip.Set(entry.x, 0, entry.colour);
  }
  return strip.image();
}

}  // namespace pictures
