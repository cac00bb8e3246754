// Text in the bitmap font: upper-case letters, digits, the blank and a few
// marks, with proportional widths; lines, numbers and word-wrapped text.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ddraw.h"

extern LPDIRECTDRAWSURFACE font_surface;
// Advance and glyph width of each code 0..127; -1 for a character the font lacks.
extern std::array<std::int8_t, 128> char_width;
// Top row in the font picture of the glyph line holding each code.
extern std::array<std::uint8_t, 128> char_row;

constexpr int kGlyphHeight = 15;
constexpr int kGlyphCell = 16;
constexpr int kGlyphsPerLine = 40;
constexpr int kLineSpacing = 30;

void InitFont();
// Turns a..z into A..Z in place.
void Majuscules(char* text);
// The sum of the widths of the text's characters, -1 for each one the font
// lacks; LargeurTexte also reports each of those.
int LargeurTexte(const char* text);
int SumOfWidths(const char* text);
int AfficherTexte(LPDIRECTDRAWSURFACE destination, char* buffer, int px, int py);
int AfficherTexte(char* buffer, int px, int py);
int AfficherNombre(int value, int px, int py);
int AfficherTexteMultiLignes(LPDIRECTDRAWSURFACE destination, char* text, int px, int py,
                             int max_width);
