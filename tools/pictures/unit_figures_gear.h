// What the figures hold and wear: weapons, shields, tools, loads and
// headgear. Each piece hangs on the joints of a posed skeleton, so it moves
// with the hand or head that carries it.
#pragma once

#include "pictures/unit_figures_body.h"

namespace pictures::figure {

// How each hand holds its piece, before the skeleton is posed.
ArmHold SwordArm(const Build& build);
ArmHold ShieldArm(const Build& build);
ArmHold BowArm(const Build& build);
ArmHold UprightCarryArm(const Build& build);
ArmHold StaffArm(const Build& build);

// Held in the right hand.
void AddSword(Figure& figure, const Skeleton& s);
void AddCleaver(Figure& figure, const Skeleton& s);
void AddPick(Figure& figure, const Skeleton& s);
void AddStaff(Figure& figure, const Skeleton& s);
// Held in the left hand.
void AddShield(Figure& figure, const Skeleton& s, RampView field, RampView rim);
void AddBow(Figure& figure, const Skeleton& s);
// Carried on the back.
void AddQuiver(Figure& figure, const Skeleton& s);
void AddSack(Figure& figure, const Skeleton& s);

// A stole hanging down the front of a robe.
void AddStole(Figure& figure, const Skeleton& s, RampView cloth);

// Worn on the head: a steel cap with a crest, horns, or cloth and hair.
void AddCrestedHelmet(Figure& figure, const Skeleton& s, RampView crest);
void AddHornedHelmet(Figure& figure, const Skeleton& s);
// A cap of cloth or hair over the crown, lower at the back; `tails` adds
// the knotted ends of a headscarf.
void AddCap(Figure& figure, const Skeleton& s, RampView ramp, double level, bool tails = false);
// A straw hat with a wide brim.
void AddHat(Figure& figure, const Skeleton& s, RampView straw);
// A hood with the face showing through its opening.
void AddHood(Figure& figure, const Skeleton& s, RampView cloth, double level, RampView skin);
// The orcs' jaw and the tusks that stick up from it.
void AddTusks(Figure& figure, const Skeleton& s, RampView skin);

}  // namespace pictures::figure
