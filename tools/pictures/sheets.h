// Every picture sheet of the game, drawn by our own generator.
#pragma once

#include <string>
#include <vector>

#include "platform/bitmap_file.h"

namespace pictures {

struct Sheet {
  std::string file_name;  // as the game loads it from ../graphics
  platform::Image image;
};

// Every sheet, in a fixed order; the same bytes at every run.
std::vector<Sheet> AllSheets();

// Writes every sheet into the directory, made first if need be; false on the
// first failure.
bool WriteAllSheets(const std::string& directory);

}  // namespace pictures
