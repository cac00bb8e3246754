// A random player for long unattended runs: an input script, in the headless
// scripts' format, that moves, clicks, drags, right-clicks and types at
// random over every screen of the game, the same for the same seed. It is
// steered so that it gets everywhere: most clicks go to the buttons of the
// menus, boxes and panel, and now and then it plays a known way through the
// first mission to its victory. It never presses the quit box's OK, so the
// game runs until the script's last frame closes the window.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

// The game's clock step the script is made for, in ms per frame.
constexpr int kFrameMs = 50;

// A script of `frames` frames, ending with the window's close.
std::string RandomPlayerScript(long frames, std::uint32_t seed);

}  // namespace soak
