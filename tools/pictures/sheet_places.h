// Every place the game reads in each sheet, named, gathered from the
// layout tables that the sheets are drawn from: what the contact sheets
// label and what the tests check.
#pragma once

#include <string>
#include <vector>

#include "pictures/canvas.h"

namespace pictures {

struct Place {
  Rect rect;
  std::string label;  // capitals, digits and blanks; a newline starts a second line
};

struct SheetPlaces {
  int pitch = 0;  // the grid the places lie on, or 0 when there is none
  std::vector<Place> places;
};

// The places of the sheet of that file name; none for a sheet that the game
// copies whole.
SheetPlaces PlacesIn(const std::string& file_name);

}  // namespace pictures
