// The generator's sheets, drawn once for all the tests that look at them.
#pragma once

#include <string>
#include <vector>

#include "pictures/sheets.h"

namespace test {

const std::vector<pictures::Sheet>& DrawnSheets();
// The sheet of that file name; fails the test when there is none.
const platform::Image& DrawnSheet(const std::string& file_name);

}  // namespace test
