// Headgear and faces.
#include <cmath>
#include <numbers>

#include "pictures/unit_figures_gear.h"

namespace pictures::figure {
namespace {

// Headgear goes over the head; the eyes (drawn last) show below its rim.
constexpr double kHeadgearBias = 0.6;

// Points around the head at `radius`, at height `front` where it faces and
// `back` behind, in between at the sides.
std::vector<Vec3> Ring(Vec3 centre, double radius, double front, double back) {
  std::vector<Vec3> points;
  for (int k = 0; k < 16; ++k) {
    const double a = k * 2 * std::numbers::pi / 16;
    const double forward = std::sin(a);
    const double z = back + (front - back) * (forward + 1) / 2;
    points.push_back(centre + Vec3{std::cos(a) * radius, forward * radius, z});
  }
  return points;
}

std::vector<Vec3> Dome(const Skeleton& s, double front, double back, double lift) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  std::vector<Vec3> points = Ring(head, r + lift, front, back);
  for (Vec3 p : Ring(head, (r + lift) * 0.72, r * 0.7, r * 0.6)) points.push_back(p);
  points.push_back(head + Vec3{0, 0, r + lift});
  return points;
}

}  // namespace

void AddCrestedHelmet(Figure& figure, const Skeleton& s, RampView crest) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid(Dome(s, 1.8, 0.0, 0.35), 0.25, palette::kSteel, 0.62, head, kHeadgearBias));
  figure.Add(Solid(
      {head + Vec3{0, 1.4, r + 0.7}, head + Vec3{0, -2.2, r + 0.2}, head + Vec3{0, -0.4, r + 1.8}},
      0.6, crest, 0.55, head, kHeadgearBias + 0.01));
}

void AddHornedHelmet(Figure& figure, const Skeleton& s) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid(Dome(s, 1.2, 0.0, 0.35), 0.25, palette::kSteel, 0.45, head, kHeadgearBias));
  for (double x : {1.0, -1.0}) {
    const Vec3 root = head + Vec3{x * (r - 0.2), 0.3, 1.3};
    const Vec3 bend = head + Vec3{x * (r + 1.4), 0.2, 2.3};
    const Vec3 tip = head + Vec3{x * (r + 1.9), -0.2, 4.6};
    figure.Add(Solid({root, bend}, 0.75, palette::kLinen, 0.72, bend, kHeadgearBias));
    figure.Add(Solid({bend, tip}, 0.5, palette::kLinen, 0.82, bend, kHeadgearBias + 0.01));
  }
}

void AddCap(Figure& figure, const Skeleton& s, RampView ramp, double level, bool tails) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid(Dome(s, 1.9, -0.9, 0.3), 0.3, ramp, level, head, kHeadgearBias));
  if (!tails) return;
  const Vec3 knot = head + Vec3{0.8, -(r + 0.2), 0.3};
  figure.Add(Solid({knot, knot + Vec3{1.2, -1.0, -2.6}}, 0.5, ramp, level - 0.1, knot));
  figure.Add(Solid({knot, knot + Vec3{-0.3, -1.4, -2.9}}, 0.5, ramp, level - 0.15, knot));
}

void AddStole(Figure& figure, const Skeleton& s, RampView cloth) {
  const Build& b = s.build;
  const double chest = b.chest_half_depth + 0.95;
  const double top = b.shoulder_height - 0.4 - Sink(s);
  Part stole = Solid(
      {{0.9, chest, top}, {-0.9, chest, top}, {1.1, chest + 1.6, 2.0}, {-1.1, chest + 1.6, 2.0}},
      0.3, cloth, 0.5, {0, chest, 8}, 0.2);
  stole.facing = Vec3{0, 1, 0};
  figure.Add(stole);
}

void AddHat(Figure& figure, const Skeleton& s, RampView straw) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid(Ring(head, r + 1.5, 2.6, 2.0), 0.3, straw, 0.5, head, kHeadgearBias));
  figure.Add(Solid(Dome(s, 2.4, 2.0, 0.2), 0.3, straw, 0.62, head, kHeadgearBias + 0.01));
}

void AddHood(Figure& figure, const Skeleton& s, RampView cloth, double level, RampView skin) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid(Dome(s, 1.6, -2.2, 0.5), 0.35, cloth, level, head, kHeadgearBias));
  Part face = Solid({head + Vec3{1.3, r * 0.6, 0.6}, head + Vec3{-1.3, r * 0.6, 0.6},
                     head + Vec3{1.0, r * 0.65, -1.6}, head + Vec3{-1.0, r * 0.65, -1.6}},
                    0.6, skin, 0.55, head, kHeadgearBias + 0.1);
  face.facing = Vec3{0, 1, 0.3};
  figure.Add(face);
}

void AddTusks(Figure& figure, const Skeleton& s, RampView skin) {
  const Vec3 head = s.head;
  const double r = s.build.head_radius;
  figure.Add(Solid({head + Vec3{1.4, r * 0.55, -1.3}, head + Vec3{-1.4, r * 0.55, -1.3}}, 1.3, skin,
                   0.5, head, 0.52));
  for (double x : {1.0, -1.0}) {
    figure.Add(Dot(head + Vec3{x * 1.1, r * 0.98, -1.1}, 0.5, palette::kLinen, 1.0, {x * 0.3, 1, 0},
                   head, 0.95));
  }
}

}  // namespace pictures::figure
