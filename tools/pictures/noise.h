// Repeatable irregularity: a seeded random sequence and smooth value noise.
// Every picture must come out the same at every run, so nothing here reads
// the clock or the system's random source.
#pragma once

#include <cstdint>

namespace pictures {

class FixedRandom {
 public:
  explicit FixedRandom(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next();
  // 0 .. n-1; 0 when n <= 0.
  int Below(int n);
  // Uniform in [0, 1).
  double Unit();

 private:
  std::uint32_t state_;
};

// A repeatable value in [0, 1) for a lattice point.
double HashUnit(int x, int y, std::uint32_t seed);
// Smoothly interpolated lattice values, in [0, 1).
double ValueNoise(double x, double y, std::uint32_t seed);
// Several octaves of value noise, each half the size and weight of the one
// before; in [0, 1).
double Fractal(double x, double y, std::uint32_t seed, int octaves);

}  // namespace pictures
