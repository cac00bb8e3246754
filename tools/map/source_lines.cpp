// Splitting source lines and reading their numbers.
#include "map/source_lines.h"

#include <charconv>
#include <cstdio>

namespace mapmaker {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted text starting at line[i] == '"'; i ends past the closing quote.
std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& i, std::string& error) {
  std::string text;
  for (++i; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      ++i;
      return text;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (next == '"' || next == '\\') {
      text += next;
      ++i;
    } else if (next == 'x' && i + 3 < line.size() && HexDigit(line[i + 2]) >= 0 &&
               HexDigit(line[i + 3]) >= 0) {
      text += static_cast<char>(HexDigit(line[i + 2]) * 16 + HexDigit(line[i + 3]));
      i += 3;
    } else {
      error = "bad escape in a quoted text (use \\\", \\\\ or \\xHH)";
      return std::nullopt;
    }
  }
  error = "a quoted text has no closing quote";
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<Token>> SplitLine(std::string_view line, std::string& error) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
    } else if (line[i] == '#') {
      break;
    } else if (line[i] == '"') {
      std::optional<std::string> text = ReadQuoted(line, i, error);
      if (!text) return std::nullopt;
      if (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
        error = "a quoted text runs into the next word";
        return std::nullopt;
      }
      tokens.push_back({std::move(*text), true});
    } else {
      const std::size_t start = i;
      while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') ++i;
      tokens.push_back({std::string(line.substr(start, i - start)), false});
    }
  }
  return tokens;
}

std::string_view Trim(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, result] = std::from_chars(text.data(), end, value);
  if (text.empty() || result != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> ParsePair(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<int> x = ParseInt(text.substr(0, comma));
  const std::optional<int> y = ParseInt(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return std::pair{*x, *y};
}

std::string QuoteText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace mapmaker
