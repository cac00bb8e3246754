// The pictures of the icon sheet, each drawn into a given 46x38 portrait
// rectangle: units as busts over a landscape, buildings and places as small
// scenes, the behaviour modes as emblems on a stone plate.
#pragma once

#include <cstdint>

#include "pictures/canvas.h"
#include "pictures/icon_layout.h"

namespace pictures {

void DrawIconPicture(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);

// One group each; `picture` must belong to the group.
void DrawUnitPortrait(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);
void DrawHumanBuildingPortrait(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);
void DrawOrcBuildingPortrait(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);
void DrawPlacePortrait(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);
void DrawModeEmblem(Canvas& canvas, icon_sheet::Picture picture, const Rect& portrait);

// Shared backgrounds: a pale sky over grass meeting at `horizon` (a row of
// the canvas), and a plain stone plate.
void DrawLandscape(Canvas& canvas, const Rect& portrait, int horizon);
void DrawStonePlate(Canvas& canvas, const Rect& portrait, std::uint32_t seed);

}  // namespace pictures
