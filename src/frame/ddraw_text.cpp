// The bitmap font.
#include "frame/ddraw_text.h"

#include <cstdio>
#include <string>

#include "frame/dix.h"
#include "frame/logs.h"

LPDIRECTDRAWSURFACE font_surface = nullptr;
std::array<std::int8_t, 128> char_width{};
std::array<std::uint8_t, 128> char_row{};

namespace {

constexpr const char kSurfaceContext[] =
    "ddraw_text int AfficherTexte(LPDIRECTDRAWSURFACE destination ,char* buffer,int px,int py)";
constexpr const char kBackContext[] = "ddraw_text int AfficherTexte (char* buffer,int px,int py)";

// The width of a character, or -1 when the font lacks it. Codes above 127
// (accented letters in data files) lie outside the tables and count as lacking.
int WidthOf(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < char_width.size() ? char_width[code] : -1;
}

void ReportUnknown(char c) {
  Fatal_Errors << "ddraw_text : unknown character : " << c << "\n";
}

void LogFailedGlyph(const char* buffer, int px, int py, const RECT& src, const RECT& dest) {
  log_Ddraw_text << "text a afficher :" << buffer << "\n"
                 << "px=" << px << "  py=" << py << "\n"
                 << "Rectangle source : \n"
                 << "x0 = " << int(src.left) << "  y0 = " << int(src.top) << "\n"
                 << "x1 = " << int(src.right) << "  y1 = " << int(src.bottom) << "\n"
                 << "Rectangle destination : \n"
                 << "x0 = " << int(dest.left) << "  y0 = " << int(dest.top) << "\n"
                 << "x1 = " << int(dest.right) << "  y1 = " << int(dest.bottom) << "\n\n";
}

// A character the font lacks is reported and neither drawn nor advanced over,
// so that centred labels stay centred on the characters that are shown.
int DrawLine(LPDIRECTDRAWSURFACE destination, char* buffer, int px, int py, const char* context) {
  if (!buffer) return 0;
  Majuscules(buffer);
  int advance = 0;
  for (const char* p = buffer; *p; ++p) {
    const int width = WidthOf(*p);
    if (width < 0) {
      ReportUnknown(*p);
      continue;
    }
    const auto code = static_cast<unsigned char>(*p);
    RECT src{(code % kGlyphsPerLine) * kGlyphCell + 1, char_row[code], 0, 0};
    src.right = src.left + width;
    src.bottom = src.top + kGlyphHeight;
    RECT dest{px + advance, py, px + advance + width, py + kGlyphHeight};
    const HRESULT hr = destination->Blt(&dest, font_surface, &src, DDBLT_WAIT, nullptr);
    ReportDXError(context, hr);
    if (hr != 0) LogFailedGlyph(buffer, px, py, src, dest);
    advance += width;
  }
  return advance;
}

}  // namespace

void InitFont() {
  char_width.fill(-1);
  char_row.fill(0);
  for (int code = 0; code < 120; ++code) char_row[code] = std::uint8_t(1 + (code / 40) * 16);

  struct Glyph {
    char c;
    int width;
  };
  static constexpr Glyph kWidths[] = {
      {' ', 6},  {'!', 6},  {'"', 9},  {'\'', 3}, {',', 5},  {'-', 9},  {'.', 5},  {'0', 12},
      {'1', 3},  {':', 4},  {'?', 12}, {'A', 13}, {'B', 9},  {'C', 10}, {'D', 10}, {'E', 8},
      {'F', 9},  {'G', 10}, {'H', 10}, {'I', 4},  {'J', 4},  {'K', 11}, {'L', 9},  {'M', 14},
      {'N', 11}, {'O', 12}, {'P', 9},  {'Q', 12}, {'R', 11}, {'S', 6},  {'T', 10}, {'U', 12},
      {'V', 11}, {'W', 15}, {'X', 12}, {'Y', 11}, {'Z', 8},
  };
  for (const Glyph& g : kWidths) char_width[static_cast<unsigned char>(g.c)] = std::int8_t(g.width);
  for (char digit = '2'; digit <= '9'; ++digit) char_width[static_cast<unsigned char>(digit)] = 8;
}

void Majuscules(char* text) {
  if (!text) return;
  for (char* p = text; *p; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = char(*p - 'a' + 'A');
  }
}

int LargeurTexte(const char* text) {
  if (!text) return 0;
  for (const char* p = text; *p; ++p) {
    if (WidthOf(*p) < 0) ReportUnknown(*p);
  }
  return SumOfWidths(text);
}

int SumOfWidths(const char* text) {
  if (!text) return 0;
  int total = 0;
  for (const char* p = text; *p; ++p) total += WidthOf(*p);
  return total;
}

int AfficherTexte(LPDIRECTDRAWSURFACE destination, char* buffer, int px, int py) {
  return DrawLine(destination, buffer, px, py, kSurfaceContext);
}

int AfficherTexte(char* buffer, int px, int py) {
  return DrawLine(lpDDSBack, buffer, px, py, kBackContext);
}

int AfficherNombre(int value, int px, int py) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value);
  return AfficherTexte(digits, px, py);
}

int AfficherTexteMultiLignes(LPDIRECTDRAWSURFACE destination, char* text, int px, int py,
                             int max_width) {
  if (!text) return 0;
  Majuscules(text);
  int x = 0;
  int y = 0;
  const char* p = text;
  std::string word;
  while (*p) {
    if (*p == '\n') {
      x = 0;
      y += kLineSpacing;
      ++p;
    } else if (*p == ' ') {
      if (x != 0) x += WidthOf(' ');
      ++p;
    } else {
      const char* end = p;
      while (*end && *end != ' ' && *end != '\n') ++end;
      word.assign(p, end);
      const int width = SumOfWidths(word.c_str());
      if (x + width + 15 >= max_width) {
        x = 0;
        y += kLineSpacing;
      }
      x += AfficherTexte(destination, word.data(), px + x, py + y);
      p = end;
    }
  }
  return y + 20;
}
