// A xorshift sequence and hashed value noise.
#include "pictures/noise.h"

#include <cmath>

namespace pictures {
namespace {

double Smooth(double t) {
  return t * t * (3 - 2 * t);
}

double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}

}  // namespace

std::uint32_t FixedRandom::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int FixedRandom::Below(int n) {
  return n <= 0 ? 0 : int(Next() % std::uint32_t(n));
}

double FixedRandom::Unit() {
  return (Next() >> 8) / double(1u << 24);
}

double HashUnit(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed ^ (std::uint32_t(x) * 0x8DA6B343u) ^ (std::uint32_t(y) * 0xD8163841u);
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h >> 8) / double(1u << 24);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
  const int ix = int(std::floor(x));
  const int iy = int(std::floor(y));
  const double tx = Smooth(x - ix);
  const double ty = Smooth(y - iy);
  const double top = Mix(HashUnit(ix, iy, seed), HashUnit(ix + 1, iy, seed), tx);
  const double bottom = Mix(HashUnit(ix, iy + 1, seed), HashUnit(ix + 1, iy + 1, seed), tx);
  return Mix(top, bottom, ty);
}

double Fractal(double x, double y, std::uint32_t seed, int octaves) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + std::uint32_t(i) * 7919u) * weight;
    total += weight;
    x *= 2;
    y *= 2;
    weight /= 2;
  }
  return total > 0 ? sum / total : 0;
}

}  // namespace pictures
