// What every walking figure shares: a build (human or orc), the joints of a
// pose of its walk, and the body parts dressed in an outfit's colours.
#pragma once

#include <array>

#include "pictures/unit_figures.h"
#include "pictures/unit_figures_render.h"

namespace pictures::figure {

struct Build {
  double hip_height;
  double hip_half_width;
  double leg_radius;
  double stride;  // how far a foot moves forward or back at the widest step
  double waist_height;
  double waist_half_width;
  double shoulder_height;
  double shoulder_half_width;
  double chest_half_depth;
  double hunch;  // how far the shoulders lean forward of the hips
  double arm_radius;
  Vec3 head;
  double head_radius;
};

inline constexpr Build kHumanBuild{.hip_height = 9.4,
                                   .hip_half_width = 2.0,
                                   .leg_radius = 1.55,
                                   .stride = 3.0,
                                   .waist_height = 10.0,
                                   .waist_half_width = 3.0,
                                   .shoulder_height = 16.3,
                                   .shoulder_half_width = 3.8,
                                   .chest_half_depth = 2.4,
                                   .hunch = 0.0,
                                   .arm_radius = 1.35,
                                   .head = {0, 0.3, 20.2},
                                   .head_radius = 3.2};
// Orcs stand lower, broader and hunched, their heads thrust forward.
inline constexpr Build kOrcBuild{.hip_height = 8.5,
                                 .hip_half_width = 2.6,
                                 .leg_radius = 2.0,
                                 .stride = 3.0,
                                 .waist_height = 9.0,
                                 .waist_half_width = 3.8,
                                 .shoulder_height = 15.8,
                                 .shoulder_half_width = 5.3,
                                 .chest_half_depth = 3.0,
                                 .hunch = 1.4,
                                 .arm_radius = 1.85,
                                 .head = {0, 2.6, 18.8},
                                 .head_radius = 3.3};

enum Side { kRight = 0, kLeft = 1 };

// Where an arm holds its hand when the figure stands, and how far the hand
// swings forward and back in a stride (0 for a hand that grips something).
struct ArmHold {
  Vec3 hand;
  double swing = 2.0;
};

// A hand hanging at the figure's side.
ArmHold HangingArm(const Build& build, Side side);

// The joints of one pose; index with Side.
struct Skeleton {
  Build build;
  std::array<Vec3, 2> hip, knee, ankle, toe;
  std::array<Vec3, 2> shoulder, elbow, hand;
  Vec3 head;
  double step = 0;  // +1 right foot forward, -1 left, 0 standing
};

// How far the body has sunk below its standing height in this pose.
inline double Sink(const Skeleton& s) {
  return s.build.hip_height - s.hip[kRight].z;
}

Skeleton PoseSkeleton(const Build& build, Pose pose, ArmHold right, ArmHold left);

struct Outfit {
  RampView skin;
  RampView tunic;
  double tunic_level = 0.55;
  RampView sleeves;  // empty: bare arms
  RampView legs;     // empty: bare legs
  RampView boots;
  RampView belt;
  RampView eyes;
  double skirt_length = 2.5;  // how far the tunic hangs below the hips
  bool robe = false;          // a robe to the ground instead of legs
};

// Legs, torso, arms, hands, head and eyes.
void AddBody(Figure& figure, const Skeleton& skeleton, const Outfit& outfit);

}  // namespace pictures::figure
