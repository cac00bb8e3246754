// One drawing function per kind of building picture; each returns a picture
// the size of the kind's footprint.
#pragma once

#include "pictures/building_layout.h"
#include "pictures/canvas.h"

namespace pictures {

// The picture of one entry of the building layout.
Canvas DrawBuildingPicture(const building_layout::BuildingPicture& picture);

Canvas DrawFarm();
Canvas DrawHall(int stage);  // 1 to 3, each bigger and richer
Canvas DrawBarracks();
Canvas DrawSawmill();
Canvas DrawSmithy();
Canvas DrawStable();
Canvas DrawChurch();
Canvas DrawWorkshop();
Canvas DrawMageTower();
Canvas DrawOrcFarm();
Canvas DrawOrcBarracks();
Canvas DrawOrcHall();
Canvas DrawWarTower();
Canvas DrawGoldMine();
Canvas DrawTemple(building_layout::Kind element, building_layout::Owner owner);

}  // namespace pictures
