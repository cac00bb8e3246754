// Weapons, shields, tools and loads.
#include <cmath>
#include <numbers>

#include "pictures/unit_figures_gear.h"

namespace pictures::figure {
namespace {

constexpr Vec3 kUp{0, 0, 1};
constexpr Vec3 kAcross{1, 0, 0};
// A held piece goes under the hand that grips it.
constexpr double kHeldBias = 0.2;

// Points around a circle in the plane spanned by two directions.
std::vector<Vec3> Circle(Vec3 centre, Vec3 u, Vec3 v, double radius) {
  std::vector<Vec3> points;
  for (int k = 0; k < 16; ++k) {
    const double a = k * 2 * std::numbers::pi / 16;
    points.push_back(centre + u * (std::cos(a) * radius) + v * (std::sin(a) * radius));
  }
  return points;
}

Part Facing(Part part, Vec3 facing, RampView back = {}) {
  part.facing = facing;
  part.back = back;
  return part;
}

}  // namespace

ArmHold SwordArm(const Build& b) {
  return {{b.shoulder_half_width + 0.7, 2.4 + b.hunch, b.waist_height + 2.0}, 0.7};
}

ArmHold ShieldArm(const Build& b) {
  return {{-(b.shoulder_half_width + 0.9), 1.8 + b.hunch, b.waist_height + 2.5}, 0.5};
}

ArmHold BowArm(const Build& b) {
  return {{-(b.shoulder_half_width + 2.4), 1.6 + b.hunch, b.waist_height + 3.0}, 0.5};
}

ArmHold UprightCarryArm(const Build& b) {
  return {{b.shoulder_half_width + 0.9, 1.4 + b.hunch, b.waist_height + 2.2}, 0.3};
}

ArmHold StaffArm(const Build& b) {
  return {{b.shoulder_half_width + 0.8, 3.6 + b.hunch, b.waist_height + 2.5}, 0.4};
}

// A straight blade held point up, out and forward, with a gilt hilt.
void AddSword(Figure& figure, const Skeleton& s) {
  const Vec3 hand = s.hand[kRight];
  const Vec3 up = Normalized({0.45, 0.4, 1});
  figure.Add(
      Solid({hand + up * 1.6, hand + up * 9.5}, 0.6, palette::kSteel, 0.78, hand, kHeldBias));
  figure.Add(Solid({hand + up * 1.3 + kAcross * 1.6, hand + up * 1.3 - kAcross * 1.6}, 0.55,
                   palette::kGold, 0.6, hand, kHeldBias + 0.01));
  figure.Add(Solid({hand - up * 1.2}, 0.6, palette::kGold, 0.55, hand, kHeldBias));
}

// A heavy blade that widens toward its tip, edge outward.
void AddCleaver(Figure& figure, const Skeleton& s) {
  const Vec3 hand = s.hand[kRight];
  const Vec3 up = Normalized({0.25, 0.5, 1});
  figure.Add(Solid({hand + up * 1.6 - kAcross * 0.4, hand + up * 1.6 + kAcross * 1.0,
                    hand + up * 9.0 - kAcross * 0.4, hand + up * 9.6 + kAcross * 2.3},
                   0.45, palette::kSteel, 0.62, hand, kHeldBias));
  figure.Add(Solid({hand + up * 1.2 + kAcross * 1.5, hand + up * 1.2 - kAcross * 1.5}, 0.55,
                   palette::kSteel, 0.25, hand, kHeldBias + 0.01));
  figure.Add(Solid({hand - up * 1.2}, 0.6, palette::kWood, 0.3, hand, kHeldBias));
}

// A pick carried upright beside the head, its iron head across the top.
void AddPick(Figure& figure, const Skeleton& s) {
  const Vec3 hand = s.hand[kRight];
  const Vec3 along = Normalized({0.4, 0.15, 1.0});
  const Vec3 end = hand + along * 8.0;
  figure.Add(Solid({hand - along * 2.2, end}, 0.5, palette::kWood, 0.6, hand, kHeldBias));
  const Vec3 head = Normalized(Cross(along, {0, 1, 0}));
  const Vec3 crown = end + along * 0.5;
  for (double side : {1.0, -1.0}) {
    figure.Add(Solid({crown, end + head * (3.4 * side) - along * 1.0}, 0.6, palette::kSteel, 0.65,
                     end, kHeldBias));
  }
}

// A tall staff topped with a golden orb.
void AddStaff(Figure& figure, const Skeleton& s) {
  const Vec3 hand = s.hand[kRight];
  const Vec3 top{hand.x, hand.y - 0.2, hand.z + 10.5};
  figure.Add(Solid({{hand.x, hand.y + 0.4, 0.4}, top}, 0.55, palette::kWood, 0.6, hand, kHeldBias));
  figure.Add(Solid({top + kUp * 1.2}, 1.4, palette::kGold, 0.72, hand, kHeldBias + 0.01));
}

// A round shield on the left forearm, turned outward and forward; from
// behind, its wooden back shows.
void AddShield(Figure& figure, const Skeleton& s, RampView field, RampView rim) {
  const Vec3 normal = Normalized({-0.35, 0.94, 0});
  const Vec3 across = Normalized(Cross(kUp, normal));
  const Vec3 centre = s.hand[kLeft] + normal * 1.0 + kUp * 0.5;
  const double radius = s.build.shoulder_half_width * 0.7 + 1.4;
  constexpr double kShieldBias = 0.55;
  figure.Add(Facing(Solid(Circle(centre, across, kUp, radius), 0.3, rim, 0.55, centre, kShieldBias),
                    normal, palette::kWood));
  figure.Add(Facing(
      Solid(Circle(centre, across, kUp, radius - 1.2), 0.3, field, 0.5, centre, kShieldBias + 0.01),
      normal));
  figure.Add(
      Facing(Solid({centre + normal * 0.5}, 0.9, rim, 0.75, centre, kShieldBias + 0.02), normal));
}

// A bow held upright in the left hand, bent outward and forward.
void AddBow(Figure& figure, const Skeleton& s) {
  const Vec3 hand = s.hand[kLeft];
  const Vec3 bulge = Normalized({-0.8, 0.6, 0});
  constexpr double kDraw = 2.0;
  constexpr double kHalfLength = 10.5;
  std::vector<Vec3> stave;
  for (int i = 0; i <= 8; ++i) {
    const double t = -1 + i / 4.0;
    stave.push_back(hand + bulge * (kDraw * (1 - t * t) - kDraw) + kUp * (kHalfLength * t));
  }
  for (std::size_t i = 0; i + 1 < stave.size(); ++i) {
    figure.Add(Solid({stave[i], stave[i + 1]}, 0.6, palette::kWood, 0.9, hand, kHeldBias));
  }
  figure.Add(Stroke({stave.front(), stave.back()}, kInk, 0, hand, kHeldBias - 0.01));
}

// A leather quiver on the back, fletchings showing over the right shoulder.
void AddQuiver(Figure& figure, const Skeleton& s) {
  const Build& b = s.build;
  const double back = -(b.chest_half_depth + 1.0);
  const Vec3 bottom{0.5, back + b.hunch * 0.3, b.waist_height + 0.5 - Sink(s)};
  const Vec3 top{3.6, back - 0.6 + b.hunch, b.shoulder_height + 2.2 - Sink(s)};
  const Vec3 middle = Lerp(bottom, top, 0.5);
  figure.Add(Solid({bottom, top}, 1.2, palette::kWood, 0.35, middle));
  for (int k = 0; k < 3; ++k) {
    const Vec3 fletch = top + Vec3{-0.4 + 0.8 * k, 0.1 * k, 1.5 + 0.3 * (k % 2)};
    figure.Add(Solid({fletch, fletch + kUp * 0.8}, 0.5, palette::kLinen, 0.85, middle, 0.01));
  }
}

// A full sack on the back, its neck over the left shoulder, held by a strap
// across the chest.
void AddSack(Figure& figure, const Skeleton& s) {
  const Build& b = s.build;
  const Vec3 centre{-1.2, -(b.chest_half_depth + 2.0) + b.hunch, b.shoulder_height - 3.2 - Sink(s)};
  figure.Add(Solid(
      {centre + kAcross * 1.2, centre - kAcross * 1.2, centre + kUp * 1.6, centre - kUp * 1.4}, 2.2,
      palette::kLinen, 0.5, centre));
  const Vec3 neck = centre + Vec3{-0.6, 0.8, 3.8};
  figure.Add(Solid({neck}, 0.9, palette::kLinen, 0.45, centre, 0.01));
  const double front = b.chest_half_depth + 0.9;
  const Vec3 from{b.shoulder_half_width - 0.9, front + b.hunch, b.shoulder_height - 0.6 - Sink(s)};
  const Vec3 to{-b.waist_half_width + 0.2, front - 0.2, b.waist_height + 1.2 - Sink(s)};
  figure.Add(
      Facing(Solid({from, to}, 0.45, palette::kWood, 0.3, {0, front, to.z}, 0.12), {0, 1, 0}));
}

}  // namespace pictures::figure
