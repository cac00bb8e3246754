// Writing the briefing file.
#include "map/scenario_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

#include "frame/ddraw_text.h"

namespace mapmaker {
namespace {

void AppendInt32(std::string& bytes, std::int32_t value) {
  const auto u = std::uint32_t(value);
  for (int shift = 0; shift < 32; shift += 8) bytes += char((u >> shift) & 0xFF);
}

// The game turns letters to upper case before drawing them.
bool FontDraws(char c) {
  if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  const auto code = static_cast<unsigned char>(c);
  return code < char_width.size() && char_width[code] >= 0;
}

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // A last line break would only add an empty line below the text.
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

std::string ScenarioBytes(const std::vector<std::string>& texts) {
  std::string bytes;
  AppendInt32(bytes, std::int32_t(texts.size()));
  for (const std::string& text : texts) {
    AppendInt32(bytes, std::int32_t(text.size()));
    bytes += text;
  }
  return bytes;
}

std::string CheckBriefingText(const std::string& file, const std::string& text) {
  InitFont();
  std::string report;
  int line = 1;
  for (char c : text) {
    if (c == '\n') {
      ++line;
    } else if (!FontDraws(c)) {
      const auto code = static_cast<unsigned char>(c);
      report += file + ":" + std::to_string(line) + ": the font has no character " +
                (code >= 32 && code < 127 ? "'" + std::string(1, c) + "'"
                                          : "of code " + std::to_string(code)) +
                "\n";
    }
  }
  return report;
}

int WriteScenario(const std::string& target, const std::vector<std::string>& sources,
                  std::ostream& err) {
  std::vector<std::string> texts;
  std::string report;
  for (const std::string& source : sources) {
    std::optional<std::string> text = ReadText(source);
    if (!text) {
      report += "quorvelnn-map: cannot read " + source + "\n";
      continue;
    }
    report += CheckBriefingText(source, *text);
    texts.push_back(std::move(*text));
  }
  if (!report.empty()) {
    err << report;
    return 1;
  }
  std::ofstream out(target, std::ios::binary);
  if (!(out << ScenarioBytes(texts))) {
    err << "quorvelnn-map: cannot write " << target << "\n";
    return 1;
  }
  return 0;
}

}  // namespace mapmaker
