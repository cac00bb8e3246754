// The briefing file: a count of texts, then each text as its length and its
// bytes, the integers 32-bit little-endian. Texts are written as plain text
// files and drawn by the game's font, which they must not go beyond.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace mapmaker {

std::string ScenarioBytes(const std::vector<std::string>& texts);

// Where a text holds characters the font cannot draw: "FILE:LINE: ..." lines.
std::string CheckBriefingText(const std::string& file, const std::string& text);

// Writes the briefing file from the text files, in order; 1 when a text
// cannot be read or holds what the font lacks (nothing is written), or the
// target cannot be written.
int WriteScenario(const std::string& target, const std::vector<std::string>& sources,
                  std::ostream& err);

}  // namespace mapmaker
