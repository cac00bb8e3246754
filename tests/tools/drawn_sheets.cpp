// The generator's sheets, drawn once.
#include "tools/drawn_sheets.h"

#include <gtest/gtest.h>

namespace test {

const std::vector<pictures::Sheet>& DrawnSheets() {
  static const std::vector<pictures::Sheet> sheets = pictures::AllSheets();
  return sheets;
}

const platform::Image& DrawnSheet(const std::string& file_name) {
  static const platform::Image none;
  for (const pictures::Sheet& sheet : DrawnSheets()) {
    if (sheet.file_name == file_name) return sheet.image;
  }
  ADD_FAILURE() << "no sheet named " << file_name;
  return none;
}

}  // namespace test
