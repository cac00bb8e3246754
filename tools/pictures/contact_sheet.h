// Contact sheets for review: each sheet enlarged, its grid drawn and every
// place the game reads in it outlined and labelled.
#pragma once

#include <string>
#include <vector>

#include "pictures/sheets.h"

namespace pictures {

// The sheet enlarged by whole pixels, at least three times and enough for
// a narrow sheet to carry its labels.
platform::Image ContactSheet(const Sheet& sheet);

// Writes NAME_contact.bmp for every sheet (all of the game's, drawn, or those
// given) into the directory; false on the first failure.
bool WriteContactSheets(const std::string& directory);
bool WriteContactSheets(const std::string& directory, const std::vector<Sheet>& sheets);

}  // namespace pictures
