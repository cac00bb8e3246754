// The blit benchmarks' check that our blits and SDL's draw the same pixels.
#pragma once

namespace bench {

// Draws every benchmarked scene once with each side; false, with a message on
// stderr, when the destinations differ.
bool BlitsAgree();

}  // namespace bench
