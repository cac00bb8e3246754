// The pieces of a source line: words, quoted texts, numbers and cells.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapmaker {

struct Token {
  std::string text;  // unescaped when quoted
  bool quoted = false;
};

// Splits a line at blanks; a "quoted text" (with \" \\ and \xHH escapes) is
// one token, and an unquoted # starts a comment. None, with the reason in
// error, for a malformed line.
std::optional<std::vector<Token>> SplitLine(std::string_view line, std::string& error);
// The line without blanks at either end.
std::string_view Trim(std::string_view line);

// A whole decimal token that fits 32 bits.
std::optional<int> ParseInt(std::string_view text);
// "x,y".
std::optional<std::pair<int, int>> ParsePair(std::string_view text);
// The text in quotes, every byte that is not plain printable escaped.
std::string QuoteText(std::string_view text);

}  // namespace mapmaker
