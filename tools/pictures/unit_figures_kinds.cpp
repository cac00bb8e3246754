// The seven walking kinds, each put together once from a build, an outfit
// and its gear; the human side in blue, the orc side in red.
#include "pictures/unit_figures.h"
#include "pictures/unit_figures_gear.h"

namespace pictures {
namespace {

using namespace figure;

Outfit HumanOutfit() {
  Outfit outfit;
  outfit.skin = palette::kSkin;
  outfit.tunic = palette::kBanner;
  outfit.boots = palette::kWood;
  outfit.belt = palette::kWood;
  outfit.eyes = kInk;
  return outfit;
}

Outfit OrcOutfit() {
  Outfit outfit;
  outfit.skin = palette::kOrcSkin;
  outfit.tunic = palette::kCrimson;
  outfit.boots = palette::kWood;
  outfit.belt = palette::kWood;
  outfit.eyes = palette::kFire;
  outfit.skirt_length = 2.0;
  return outfit;
}

Figure Dressed(const Skeleton& s, const Outfit& outfit) {
  Figure figure;
  AddBody(figure, s, outfit);
  return figure;
}

// Mail sleeves, a blue tunic, a crested helmet, sword and shield.
Figure Soldier(Pose pose) {
  const Skeleton s = PoseSkeleton(kHumanBuild, pose, SwordArm(kHumanBuild), ShieldArm(kHumanBuild));
  Outfit outfit = HumanOutfit();
  outfit.sleeves = palette::kBanner;
  outfit.legs = palette::kSteel;
  Figure figure = Dressed(s, outfit);
  AddCrestedHelmet(figure, s, palette::kBanner);
  AddSword(figure, s);
  AddShield(figure, s, palette::kBanner, palette::kGold);
  return figure;
}

// A hooded bowman with a quiver on his back.
Figure Archer(Pose pose) {
  const Skeleton s =
      PoseSkeleton(kHumanBuild, pose, HangingArm(kHumanBuild, kRight), BowArm(kHumanBuild));
  Outfit outfit = HumanOutfit();
  outfit.sleeves = palette::kBanner;
  outfit.legs = palette::kLinen;
  Figure figure = Dressed(s, outfit);
  AddHood(figure, s, palette::kBanner, 0.4, palette::kSkin);
  AddQuiver(figure, s);
  AddBow(figure, s);
  return figure;
}

// A labourer in a blue shirt with a pick on his shoulder and a sack.
Figure Worker(Pose pose) {
  const Skeleton s =
      PoseSkeleton(kHumanBuild, pose, UprightCarryArm(kHumanBuild), HangingArm(kHumanBuild, kLeft));
  Outfit outfit = HumanOutfit();
  outfit.tunic_level = 0.68;
  outfit.legs = palette::kStone;
  outfit.skirt_length = 1.0;
  Figure figure = Dressed(s, outfit);
  AddHat(figure, s, palette::kGold);
  AddSack(figure, s);
  AddPick(figure, s);
  return figure;
}

// A pale robe to the ground, a blue hood and a staff.
Figure Monk(Pose pose) {
  const Skeleton s =
      PoseSkeleton(kHumanBuild, pose, StaffArm(kHumanBuild), HangingArm(kHumanBuild, kLeft));
  Outfit outfit = HumanOutfit();
  outfit.tunic = palette::kLinen;
  outfit.tunic_level = 0.72;
  outfit.sleeves = palette::kLinen;
  outfit.belt = palette::kGold;
  outfit.robe = true;
  Figure figure = Dressed(s, outfit);
  AddStole(figure, s, palette::kBanner);
  AddHood(figure, s, palette::kBanner, 0.45, palette::kSkin);
  AddStaff(figure, s);
  return figure;
}

// A horned helmet, a red tunic, a cleaver and a red shield.
Figure OrcSoldier(Pose pose) {
  const Skeleton s = PoseSkeleton(kOrcBuild, pose, SwordArm(kOrcBuild), ShieldArm(kOrcBuild));
  Figure figure = Dressed(s, OrcOutfit());
  AddTusks(figure, s, palette::kOrcSkin);
  AddHornedHelmet(figure, s);
  AddCleaver(figure, s);
  AddShield(figure, s, palette::kCrimson, palette::kSteel);
  return figure;
}

// A red headscarf, a bow and a quiver.
Figure OrcArcher(Pose pose) {
  const Skeleton s =
      PoseSkeleton(kOrcBuild, pose, HangingArm(kOrcBuild, kRight), BowArm(kOrcBuild));
  Outfit outfit = OrcOutfit();
  outfit.tunic = palette::kWood;
  outfit.tunic_level = 0.42;
  outfit.belt = palette::kCrimson;
  Figure figure = Dressed(s, outfit);
  AddTusks(figure, s, palette::kOrcSkin);
  AddCap(figure, s, palette::kCrimson, 0.55, true);
  AddQuiver(figure, s);
  AddBow(figure, s);
  return figure;
}

// A bare-headed drudge in a dark red smock with pick and sack.
Figure OrcWorker(Pose pose) {
  const Skeleton s =
      PoseSkeleton(kOrcBuild, pose, UprightCarryArm(kOrcBuild), HangingArm(kOrcBuild, kLeft));
  Outfit outfit = OrcOutfit();
  outfit.tunic_level = 0.35;
  Figure figure = Dressed(s, outfit);
  AddTusks(figure, s, palette::kOrcSkin);
  AddCap(figure, s, palette::kWood, 0.1);
  AddSack(figure, s);
  AddPick(figure, s);
  return figure;
}

Figure FigureOf(UnitKind kind, Pose pose) {
  switch (kind) {
    case UnitKind::kArcher:
      return Archer(pose);
    case UnitKind::kWorker:
      return Worker(pose);
    case UnitKind::kSoldier:
      return Soldier(pose);
    case UnitKind::kMonk:
      return Monk(pose);
    case UnitKind::kOrcArcher:
      return OrcArcher(pose);
    case UnitKind::kOrcWorker:
      return OrcWorker(pose);
    case UnitKind::kOrcSoldier:
      return OrcSoldier(pose);
  }
  return {};
}

}  // namespace

void DrawUnitFigure(Canvas& canvas, UnitKind kind, int direction, Pose pose, PointF ground,
                    double scale, const Rect& clip) {
  DrawFigure(canvas, FigureOf(kind, pose), {direction, ground, scale}, clip);
}

}  // namespace pictures
