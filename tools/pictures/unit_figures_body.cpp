// The walk and the body of every figure.
#include "pictures/unit_figures_body.h"

#include <cmath>

namespace pictures::figure {
namespace {

// Parts that hang from the hips are drawn behind the torso they meet, those
// held in front of it after it.
constexpr double kLegBias = -0.5;
constexpr double kTorsoBias = 0.1;
constexpr double kArmBias = 0.3;
constexpr double kHeadBias = 0.5;
constexpr double kEyeBias = 0.9;

double SideSign(Side side) {
  return side == kRight ? 1.0 : -1.0;
}

// Four corners of a level slice through the body, at height z.
std::vector<Vec3> Slice(double half_width, double half_depth, double forward, double z) {
  return {{half_width, forward + half_depth, z},
          {-half_width, forward + half_depth, z},
          {half_width, forward - half_depth, z},
          {-half_width, forward - half_depth, z}};
}

std::vector<Vec3> Joined(std::vector<Vec3> a, const std::vector<Vec3>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

void AddLeg(Figure& figure, const Skeleton& s, const Outfit& outfit, Side side) {
  const double r = s.build.leg_radius;
  const RampView legs = outfit.legs.empty() ? outfit.skin : outfit.legs;
  const double level = outfit.legs.empty() ? 0.5 : 0.45;
  figure.Add(Solid({s.hip[side], s.knee[side]}, r, legs, level, s.hip[side], kLegBias));
  figure.Add(Solid({s.knee[side], s.ankle[side]}, r * 0.95, legs, level, s.knee[side], kLegBias));
  figure.Add(
      Solid({s.ankle[side], s.toe[side]}, r, outfit.boots, 0.4, s.ankle[side], kLegBias + 0.05));
}

void AddSkirt(Figure& figure, const Skeleton& s, const Outfit& outfit) {
  const Build& b = s.build;
  const double lower = Sink(s);
  const double waist = b.waist_height - lower;
  const double hem = b.hip_height - outfit.skirt_length - lower;
  const double flare = b.hip_half_width + b.leg_radius + 0.2;
  const std::vector<Vec3> top = Slice(b.waist_half_width, b.chest_half_depth, 0, waist);
  const std::vector<Vec3> bottom = Slice(flare, b.chest_half_depth + 0.4, 0.3 * s.step, hem);
  figure.Add(Solid(Joined(top, bottom), 0.7, outfit.tunic, outfit.tunic_level - 0.08, {0, 0, hem},
                   kTorsoBias - 0.05));
}

// A robe falls to the ground; only the foot in front shows under its hem.
void AddRobe(Figure& figure, const Skeleton& s, const Outfit& outfit) {
  const Build& b = s.build;
  const double lower = Sink(s);
  const std::vector<Vec3> top =
      Slice(b.waist_half_width, b.chest_half_depth, 0, b.waist_height - lower);
  const std::vector<Vec3> hem =
      Slice(b.waist_half_width + 2.0, b.chest_half_depth + 1.8, 0.6 * s.step * s.step, 0.9);
  figure.Add(Solid(Joined(top, hem), 0.7, outfit.tunic, outfit.tunic_level - 0.05, {0, 0, 5},
                   kTorsoBias - 0.05));
  for (Side side : {kRight, kLeft}) {
    if (s.ankle[side].y < 0.5) continue;
    figure.Add(Solid({s.ankle[side] + Vec3{0, 0.6, -0.2}, s.toe[side]}, 1.0, outfit.boots, 0.35,
                     s.toe[side], kTorsoBias));
  }
}

void AddTorso(Figure& figure, const Skeleton& s, const Outfit& outfit) {
  const Build& b = s.build;
  const double lower = Sink(s);
  const double waist = b.waist_height - lower;
  const double chest = b.shoulder_height - lower;
  const double twist = 0.25 * s.step;
  std::vector<Vec3> points = Slice(b.waist_half_width, b.chest_half_depth * 0.85, 0, waist);
  for (Vec3 p : Slice(b.shoulder_half_width, b.chest_half_depth, b.hunch, chest)) {
    points.push_back(p + Vec3{0, p.x > 0 ? -twist : twist, 0});
  }
  figure.Add(
      Solid(points, 0.9, outfit.tunic, outfit.tunic_level, {0, b.hunch / 2, waist}, kTorsoBias));
  if (!outfit.belt.empty()) {
    const double w = b.waist_half_width + 0.25;
    const double d = b.chest_half_depth * 0.85 + 0.25;
    figure.Add(Solid(Joined(Slice(w, d, 0, waist + 0.4), Slice(w, d, 0, waist - 0.4)), 0.5,
                     outfit.belt, 0.4, {0, 0, waist}, kTorsoBias + 0.02));
  }
}

void AddArm(Figure& figure, const Skeleton& s, const Outfit& outfit, Side side) {
  const double r = s.build.arm_radius;
  const RampView sleeve = outfit.sleeves.empty() ? outfit.skin : outfit.sleeves;
  const double level = outfit.sleeves.empty() ? 0.66 : 0.5;
  const Vec3 upper = Lerp(s.shoulder[side], s.elbow[side], 0.5);
  const Vec3 lower = Lerp(s.elbow[side], s.hand[side], 0.5);
  figure.Add(Solid({s.shoulder[side], s.elbow[side]}, r, sleeve, level, upper, kArmBias));
  figure.Add(Solid({s.elbow[side], s.hand[side]}, r * 0.9, sleeve, level, lower, kArmBias + 0.05));
  figure.Add(Solid({s.hand[side]}, r * 0.9, outfit.skin, 0.66, s.hand[side], kArmBias + 0.1));
}

void AddHead(Figure& figure, const Skeleton& s, const Outfit& outfit) {
  const Build& b = s.build;
  const Vec3 neck_base{0, b.hunch * 0.8, s.shoulder[kRight].z};
  figure.Add(Solid({neck_base, s.head}, 1.2, outfit.skin, 0.4, neck_base, kTorsoBias + 0.05));
  figure.Add(Solid({s.head}, b.head_radius, outfit.skin, 0.68, s.head, kHeadBias));
  // The eyes go over whatever the head wears; they hide when it turns away.
  for (Side side : {kRight, kLeft}) {
    const Vec3 eye = s.head + Vec3{SideSign(side) * 1.1, b.head_radius * 0.88, 0.2};
    figure.Add(Dot(eye, 0.4, outfit.eyes, 0.5, {SideSign(side) * 0.45, 1, 0}, s.head, kEyeBias));
  }
}

}  // namespace

ArmHold HangingArm(const Build& build, Side side) {
  return {{SideSign(side) * (build.shoulder_half_width + 0.8), build.hunch * 0.5 + 0.3,
           build.waist_height + 0.2},
          2.0};
}

Skeleton PoseSkeleton(const Build& build, Pose pose, ArmHold right, ArmHold left) {
  Skeleton s{build, {}, {}, {}, {}, {}, {}, {}, {}, 0};
  s.step = pose == Pose::kStride ? 1.0 : pose == Pose::kOtherStride ? -1.0 : 0.0;
  const double lower = std::abs(s.step) * 0.8;
  for (Side side : {kRight, kLeft}) {
    const double x = SideSign(side);
    const double forward = side == kRight ? s.step : -s.step;  // this foot ahead: +1
    s.hip[side] = {x * build.hip_half_width, 0, build.hip_height - lower};
    s.ankle[side] = {x * build.hip_half_width, forward * build.stride, forward < 0 ? 1.7 : 1.2};
    s.toe[side] = s.ankle[side] + Vec3{0, 1.6, forward < 0 ? -0.9 : -0.6};
    s.knee[side] = Lerp(s.hip[side], s.ankle[side], 0.5) + Vec3{0, forward < 0 ? 1.1 : 0.7, 0};
    s.shoulder[side] = {x * build.shoulder_half_width, build.hunch - 0.3 * forward,
                        build.shoulder_height - lower};
    const ArmHold& hold = side == kRight ? right : left;
    s.hand[side] = hold.hand + Vec3{0, -forward * hold.swing, -lower};
    s.elbow[side] = Lerp(s.shoulder[side], s.hand[side], 0.5) + Vec3{x * 0.5, -0.9, 0};
  }
  s.head = build.head + Vec3{0, 0, -lower};
  return s;
}

void AddBody(Figure& figure, const Skeleton& skeleton, const Outfit& outfit) {
  if (outfit.robe) {
    AddRobe(figure, skeleton, outfit);
  } else {
    for (Side side : {kRight, kLeft}) AddLeg(figure, skeleton, outfit, side);
    AddSkirt(figure, skeleton, outfit);
  }
  AddTorso(figure, skeleton, outfit);
  for (Side side : {kRight, kLeft}) AddArm(figure, skeleton, outfit, side);
  AddHead(figure, skeleton, outfit);
}

}  // namespace pictures::figure
