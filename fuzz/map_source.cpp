// Fuzz target: the map tool's compiler, and its decompiler on what compiles.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "map/map_tool.h"
#include "targets.h"

namespace fuzz {
namespace {

std::string FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void Fail(const char* what, const std::ostringstream& err) {
  std::fprintf(stderr, "%s\n%s", what, err.str().c_str());
  __builtin_trap();
}

}  // namespace

void MapSource(const std::uint8_t* data, std::size_t size) {
  EnterRunTree();
  WriteInput("fuzz.map", data, size);
  std::ostringstream err;
  if (mapmaker::CompileMap("fuzz.map", "fuzz.bin", err) != 0) return;
  // A compiled map is no damaged file: its text compiles back to its bytes.
  std::ofstream text("again.map", std::ios::binary);
  if (mapmaker::DecompileMap("fuzz.bin", text, err) != 0)
    Fail("a compiled map did not decompile", err);
  text.close();
  if (mapmaker::CompileMap("again.map", "again.bin", err) != 0 ||
      FileBytes("again.bin") != FileBytes("fuzz.bin")) {
    Fail("a decompiled map did not compile back to the same bytes", err);
  }
}

}  // namespace fuzz
