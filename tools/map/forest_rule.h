// How the map compiler chooses forest pieces. Each piece's picture assumes
// which of its eight neighbours are forest; a forest cell takes the piece
// whose assumptions its actual neighbours meet best, so forests join up.
#pragma once

#include <array>

#include "world/sprites_names.h"

namespace mapmaker {

// Which of the eight neighbours are forest, as three rows of three from the
// north-west; the middle (the cell itself) is not looked at.
using Neighbourhood = std::array<std::array<bool, 3>, 3>;

// One of the forest values BOIS01..BOIS13.
DECOR ChooseForestPiece(const Neighbourhood& forest);

}  // namespace mapmaker
