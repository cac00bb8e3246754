// Fuzz target: the map tool's compiler, and its decompiler on what compiles.
#include <cstdio>
#include <sstream>

#include "map/map_tool.h"
#include "targets.h"

namespace fuzz {

void MapSource(const std::uint8_t* data, std::size_t size) {
  EnterRunTree();
  WriteInput("fuzz.map", data, size);
  std::ostringstream out, err;
  if (mapmaker::CompileMap("fuzz.map", "fuzz.bin", err) != 0) return;
  // A compiled map is no damaged file: its text compiles back to its bytes.
  if (mapmaker::DecompileMap("fuzz.bin", out, err) != 0) {
    std::fprintf(stderr, "%s", err.str().c_str());
    __builtin_trap();
  }
}

}  // namespace fuzz
