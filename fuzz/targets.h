// The fuzz targets: each takes any bytes as a file a player could damage (or
// any text a tester could write) and must neither crash nor leak. libFuzzer
// drives them (built with clang); quorvelnn-fuzz replays what it found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A world file (a mission or a slot), read as the game reads it, then a few
// frames of the game played on it with its newest human sprite selected.
void WorldFile(const std::uint8_t* data, std::size_t size);
// A picture, loaded with DDLoadBitmap, keyed by its top-left pixel and drawn.
void Bitmap(const std::uint8_t* data, std::size_t size);
// A briefing file, each of the campaign's texts read from it, shown on the
// briefing screen.
void Briefing(const std::uint8_t* data, std::size_t size);
// A headless input script.
void Script(const std::uint8_t* data, std::size_t size);
// A map source, compiled; what compiles must decompile and compile back to
// the same bytes.
void MapSource(const std::uint8_t* data, std::size_t size);

struct Target {
  std::string_view name;  // the folder of its findings under tests/fuzz/
  void (*run)(const std::uint8_t* data, std::size_t size);
};

// A new target: its function above, in a file of its own; one line here,
// its name in CMakeLists.txt and its seeds in fuzz.sh.
inline constexpr Target kTargets[] = {
    {"world_file", WorldFile}, {"bitmap", Bitmap},     {"script", Script},
    {"map_source", MapSource}, {"briefing", Briefing},
};

// Seeds for the world files: slots saved from each mission (absolute paths)
// played for a while, into the directory.
void WriteSlotSeeds(const std::vector<std::string>& missions, const std::string& directory);

// Enters a scratch runtime tree (once per process): bin/ is the working
// directory, beside ../common_bin and ../graphics, the built pictures. There
// is no output/, so the logs, which would grow by megabytes a second, are
// skipped.
void EnterRunTree();
// The program's own start-up in the run tree, once, on a headless machine
// whose clock moves kGameFrameMs at each flip: long frames, so that in a few
// of them units walk, work, fight and build.
constexpr int kGameFrameMs = 250;
void StartGame();
// Writes the bytes into a file, relative to the working directory.
void WriteInput(const char* name, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
