// Fuzz target: the headless input-script parser.
#include "platform/script.h"
#include "targets.h"

namespace fuzz {

void Script(const std::uint8_t* data, std::size_t size) {
  platform::ParseScript({reinterpret_cast<const char*>(data), size});
}

}  // namespace fuzz
