// Runs the real program in a scratch runtime tree, as a player's machine would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/bitmap_file.h"

namespace test {

struct GameRun {
  int exit_code = -1;
  std::string output;  // standard output and error
};

class GameTree {
 public:
  // A runtime tree with the generated pictures (or none), the missions and
  // the briefings.
  explicit GameTree(bool with_pictures = true);
  ~GameTree();
  GameTree(const GameTree&) = delete;
  GameTree& operator=(const GameTree&) = delete;

  // Runs bin/quorvelnn from bin/ with the arguments, behind an optional
  // prefix of the command line (variables, a wrapper).
  GameRun Run(const std::string& arguments, const std::string& prefix = "") const;
  // Runs a script headless, with more of the port's arguments if given.
  GameRun RunScript(const std::string& script, long max_frames = 2000,
                    const std::string& options = "") const;
  std::optional<platform::Image> Shot(const std::string& name) const;
  std::string Log(const std::string& name) const;
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// The picture the program loads, as the 16-bit display shows it.
std::optional<platform::Image> DisplayedPicture(const std::string& name);

// Whether the screenshot shows the rectangle of the picture at (sx, sy),
// width x height, at (x, y); where `keyed`, but for the picture's pixels of
// its top-left pixel's colour.
::testing::AssertionResult ShowsPicture(const platform::Image& shot, const std::string& picture,
                                        int sx, int sy, int width, int height, int x, int y,
                                        bool keyed = false);

// Whether the screenshot shows the text in the game's font at (x, y).
::testing::AssertionResult ShowsText(const platform::Image& shot, const std::string& text, int x,
                                     int y);

}  // namespace test
