// Running the real program.
#include "support/run_game.h"

#include "support/files.h"

#include "frame/ddraw_text.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace test {
namespace {

const std::filesystem::path kGameDir = QUORVELNN_GAME_DIR;

}  // namespace

GameTree::GameTree(bool with_pictures) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvelnn-game-XXXXXX").string();
  root_ = mkdtemp(pattern.data());
  for (const char* dir : {"bin/output", "graphics", "missions", "common_bin", "shots"}) {
    std::filesystem::create_directories(root_ / dir);
  }
  std::filesystem::copy_file(kGameDir / "bin" / "quorvelnn", root_ / "bin" / "quorvelnn");
  std::filesystem::permissions(root_ / "bin" / "quorvelnn", std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  if (with_pictures) {
    std::filesystem::copy(kGameDir / "graphics", root_ / "graphics",
                          std::filesystem::copy_options::recursive);
  }
  std::filesystem::copy(kGameDir / "missions", root_ / "missions",
                        std::filesystem::copy_options::recursive);
  std::filesystem::copy_file(kGameDir / "common_bin" / "scenario.sc",
                             root_ / "common_bin" / "scenario.sc");
}

GameTree::~GameTree() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

GameRun GameTree::Run(const std::string& arguments, const std::string& prefix) const {
  const std::filesystem::path log = root_ / "run.log";
  const std::string command = "cd '" + (root_ / "bin").string() + "' && " + prefix +
                              " ./quorvelnn " + arguments + " > '" + log.string() + "' 2>&1";
  const int status = std::system(command.c_str());
  GameRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.output = ReadBytes(log);
  return run;
}

GameRun GameTree::RunScript(const std::string& script, long max_frames,
                            const std::string& options) const {
  const std::filesystem::path path = root_ / "script.txt";
  std::ofstream(path) << script;
  return Run("--headless --script '" + path.string() + "' --screenshot-dir '" +
             (root_ / "shots").string() + "' --max-frames " + std::to_string(max_frames) + " " +
             options);
}

std::optional<platform::Image> GameTree::Shot(const std::string& name) const {
  return platform::LoadBitmapFile((root_ / "shots" / (name + ".bmp")).string());
}

std::string GameTree::Log(const std::string& name) const {
  return ReadBytes(root_ / "bin" / "output" / name);
}

std::optional<platform::Image> DisplayedPicture(const std::string& name) {
  std::optional<platform::Image> image =
      platform::LoadBitmapFile((kGameDir / "graphics" / name).string());
  if (!image) return image;
  for (std::uint32_t& pixel : image->pixels) {
    pixel = platform::Rgb565ToXrgb(platform::XrgbToRgb565(pixel));
  }
  return image;
}

::testing::AssertionResult ShowsPicture(const platform::Image& shot, const std::string& picture,
                                        int sx, int sy, int width, int height, int x, int y,
                                        bool keyed) {
  const std::optional<platform::Image> sheet = DisplayedPicture(picture);
  if (!sheet) return ::testing::AssertionFailure() << "no " << picture;
  for (int dy = 0; dy < height; ++dy) {
    for (int dx = 0; dx < width; ++dx) {
      const std::uint32_t pixel = sheet->at(sx + dx, sy + dy);
      if (keyed && pixel == sheet->at(0, 0)) continue;
      if (shot.at(x + dx, y + dy) != pixel) {
        return ::testing::AssertionFailure()
               << picture << " differs at (" << x + dx << "," << y + dy << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Each glyph is an opaque copy of its cell of the font picture.
::testing::AssertionResult ShowsText(const platform::Image& shot, const std::string& text, int x,
                                     int y) {
  InitFont();  // the glyphs' widths and rows
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    const int width = code < char_width.size() ? char_width[code] : -1;
    if (width < 0) continue;
    const int column = code % kGlyphsPerLine;
    ::testing::AssertionResult shown = ShowsPicture(shot, "font1.bmp", column * kGlyphCell + 1,
                                                    char_row[code], width, kGlyphHeight, x, y);
    if (!shown) return shown << " in \"" << text << "\" at '" << c << "'";
    x += width;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace test
