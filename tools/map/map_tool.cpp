// The two commands of the map tool.
#include "map/map_tool.h"

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "map/map_format.h"
#include "map/map_parse.h"
#include "map/map_world.h"
#include "map/scenario_file.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/decors.h"

namespace mapmaker {
namespace {

constexpr const char* kUsage =
    "usage: quorvelnn-map compile SOURCE.map OUT.bin\n"
    "       quorvelnn-map decompile FILE.bin\n"
    "       quorvelnn-map scenario OUT.sc TEXT...\n";

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Report(std::ostream& err, const std::string& file, const std::vector<MapError>& errors) {
  for (const MapError& e : errors) {
    err << file << ":";
    if (e.line > 0) err << e.line << ":";
    err << " " << e.message << "\n";
  }
}

// The reader only logs the name at the head of a file; the text needs it.
std::string ReadSavedName(const std::string& path) {
  FILE* file = OpenTextFile(path, "rb");
  if (!file) return {};
  std::string name = ::ReadSavedName(file);
  std::fclose(file);
  return name;
}

// The bytes the text compiles to, or none when it does not compile.
std::optional<std::string> CompiledBytes(const std::string& text) {
  const ParsedMap parsed = ParseMap(text);
  std::vector<MapError> errors = parsed.errors;
  if (!errors.empty() || !BuildWorld(parsed.map, errors)) return std::nullopt;
  std::string scratch = (std::filesystem::temp_directory_path() / "quorvelnn-map-XXXXXX").string();
  const int fd = mkstemp(scratch.data());
  if (fd < 0) return std::nullopt;
  close(fd);
  std::optional<std::string> bytes;
  if (SaveGame(scratch, parsed.map.name.c_str())) bytes = ReadWholeFile(scratch);
  std::filesystem::remove(scratch);
  return bytes;
}

}  // namespace

int CompileMap(const std::string& source, const std::string& target, std::ostream& err) {
  PrepareWorldModel();
  const std::optional<std::string> text = ReadWholeFile(source);
  if (!text) {
    err << "quorvelnn-map: cannot read " << source << "\n";
    return 1;
  }
  const ParsedMap parsed = ParseMap(*text);
  std::vector<MapError> errors = parsed.errors;
  if (errors.empty()) BuildWorld(parsed.map, errors);
  if (!errors.empty()) {
    Report(err, source, errors);
    return 1;
  }
  if (!SaveGame(target, parsed.map.name.c_str())) {
    err << "quorvelnn-map: cannot write " << target << "\n";
    return 1;
  }
  return 0;
}

int DecompileMap(const std::string& file, std::ostream& out, std::ostream& err) {
  PrepareWorldModel();
  const std::optional<std::string> original = ReadWholeFile(file);
  if (!original) {
    err << "quorvelnn-map: cannot read " << file << "\n";
    return 1;
  }
  tx_map = ty_map = kMapCapacity;  // the reset clears the whole grids
  ResetWorld();
  if (!LoadGame(file)) {
    err << "quorvelnn-map: " << file << " is no map: it is larger than 128 cells\n";
    return 1;
  }
  const std::string text = FormatMap(CaptureWorld(ReadSavedName(file)));
  out << text;
  if (CompiledBytes(text) != original) {
    err << "quorvelnn-map: " << file
        << " is damaged or holds what the text cannot say: the text does not compile back to "
           "the same bytes\n";
    return 1;
  }
  return 0;
}

int RunMapTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 3 && args[0] == "compile") return CompileMap(args[1], args[2], err);
  if (args.size() == 2 && args[0] == "decompile") return DecompileMap(args[1], out, err);
  if (args.size() >= 2 && args[0] == "scenario") {
    return WriteScenario(args[1], {args.begin() + 2, args.end()}, err);
  }
  err << kUsage;
  return 2;
}

}  // namespace mapmaker
