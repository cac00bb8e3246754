// quorvelnn-random-player FRAMES SEED: a random player's input script on
// standard output, for `quorvelnn --headless --frame-ms 50 --script`.
#include <charconv>
#include <cstdio>
#include <string_view>

#include "soak/random_player.h"

namespace {

template <typename T>
bool ParseWhole(std::string_view text, T& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

}  // namespace

int main(int argc, char** argv) {
  long frames = 0;
  std::uint32_t seed = 0;
  if (argc != 3 || !ParseWhole(argv[1], frames) || frames < 10 || !ParseWhole(argv[2], seed)) {
    std::fprintf(stderr, "usage: quorvelnn-random-player FRAMES SEED (FRAMES from 10)\n");
    return 2;
  }
  const std::string script = soak::RandomPlayerScript(frames, seed);
  std::fwrite(script.data(), 1, script.size(), stdout);
  return 0;
}
