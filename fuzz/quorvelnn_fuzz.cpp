// quorvelnn-fuzz: replays the inputs the fuzzers kept, with no fuzzer and no
// clang, and writes the slot seeds of the world-file fuzzer.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "targets.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: quorvelnn-fuzz replay DIR            every file of DIR/TARGET/ through TARGET\n"
    "       quorvelnn-fuzz slots OUT MISSION...  slots saved from the missions played a while\n";

std::vector<fs::path> FilesIn(const fs::path& directory) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(directory, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

int Replay(const fs::path& directory) {
  for (const fuzz::Target& target : fuzz::kTargets) {
    const std::vector<fs::path> files = FilesIn(directory / target.name);
    for (const fs::path& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%.*s: %zu inputs replayed\n", int(target.name.size()), target.name.data(),
                files.size());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The targets work in a scratch tree of their own: paths are taken whole first.
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < args.size(); ++i) paths.push_back(fs::absolute(args[i]).string());
  if (args.size() == 2 && args[0] == "replay") return Replay(paths[0]);
  if (args.size() >= 3 && args[0] == "slots") {
    fuzz::WriteSlotSeeds({paths.begin() + 1, paths.end()}, paths[0]);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
