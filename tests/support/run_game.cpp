// Running the real program.
#include "support/run_game.h"

#include "support/files.h"

#include "frame/ddraw_text.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

namespace test {
namespace {

const std::filesystem::path kGameDir = QUORVELNN_GAME_DIR;

}  // namespace

GameTree::GameTree(bool with_pictures) {
  for (const char* dir : {"bin/output", "graphics", "missions", "common_bin", "shots"}) {
    std::filesystem::create_directories(root() / dir);
  }
  std::filesystem::copy_file(kGameDir / "bin" / "quorvelnn", root() / "bin" / "quorvelnn");
  std::filesystem::permissions(root() / "bin" / "quorvelnn", std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  if (with_pictures) {
    std::filesystem::copy(kGameDir / "graphics", root() / "graphics",
                          std::filesystem::copy_options::recursive);
  }
  std::filesystem::copy(kGameDir / "missions", root() / "missions",
                        std::filesystem::copy_options::recursive);
  std::filesystem::copy_file(kGameDir / "common_bin" / "scenario.sc",
                             root() / "common_bin" / "scenario.sc");
}

GameRun GameTree::Run(const std::string& arguments) const {
  const std::filesystem::path log = root() / "run.log";
  const std::string command = "cd '" + (root() / "bin").string() + "' && ./quorvelnn " + arguments +
                              " > '" + log.string() + "' 2>&1";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(log)};
}

GameRun GameTree::RunScript(const std::string& script, long max_frames,
                            const std::string& options) const {
  const std::filesystem::path path = root() / "script.txt";
  std::ofstream(path) << script;
  return Run("--headless --script '" + path.string() + "' --screenshot-dir '" +
             (root() / "shots").string() + "' --max-frames " + std::to_string(max_frames) + " " +
             options);
}

std::optional<platform::Image> GameTree::Shot(const std::string& name) const {
  return platform::LoadBitmapFile((root() / "shots" / (name + ".bmp")).string());
}

std::string GameTree::Log(const std::string& name) const {
  return ReadBytes(root() / "bin" / "output" / name);
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
