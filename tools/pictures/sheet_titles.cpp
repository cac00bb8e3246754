// intro.bmp and menu.bmp: the title pictures. The menu is the same scene at
// nightfall, with a black stone plaque behind its buttons: the buttons draw
// their labels on black, so the labels sit on the plaque without a seam.
#include "pictures/architecture.h"
#include "pictures/big_letters.h"
#include "pictures/scene.h"
#include "pictures/shading.h"
#include "pictures/sheet_drawers.h"

namespace pictures {
namespace {

constexpr int kTitleCentre = 320;
constexpr int kTitleTop = 36;
constexpr int kTitleCapHeight = 58;
// Black behind every menu button (NEW CAMPAIGN and PLAY at x 320 to 520,
// LOAD, SAVE and QUIT at x 380 to 460, rows 200 to 420), with a margin.
constexpr Rect kPlaqueInside{306, 186, 228, 248};
constexpr int kPlaqueBorder = 9;

void DrawStud(Canvas& canvas, int x, int y) {
  canvas.FillRect({x - 1, y - 1, 3, 3}, palette::kGold[4]);
  canvas.Set(x - 1, y - 1, palette::kGold[7]);
  canvas.Set(x + 1, y + 1, palette::kGold[1]);
}

void DrawPlaque(Canvas& canvas, const Rect& inside) {
  const Rect outside = inside.Inset(-kPlaqueBorder);
  DarkenRect(canvas, {outside.x + 7, outside.y + 7, outside.w, outside.h}, 4);
  DrawStoneWall(canvas, outside, LightFrom::kLeft, 83);
  canvas.Bevel(outside, palette::kStone[7], palette::kStone[1], 2);
  canvas.Bevel(inside.Inset(-3), palette::kStone[1], palette::kStone[6], 1);
  canvas.FrameRect(inside.Inset(-2), palette::kGold[3]);
  canvas.FrameRect(inside.Inset(-1), palette::kBlack);
  canvas.FillRect(inside, palette::kBlack);
  const int x0 = outside.x + 4;
  const int x1 = outside.Right() - 5;
  const int y0 = outside.y + 4;
  const int y1 = outside.Bottom() - 5;
  for (int x : {x0, x1}) {
    for (int y : {y0, y1}) DrawStud(canvas, x, y);
  }
}

}  // namespace

platform::Image DrawIntroSheet() {
  Canvas picture(scene::kWidth, scene::kHeight);
  DrawScene(picture);
  DrawTitle(picture, "QUORVELNN", kTitleCentre, kTitleTop, kTitleCapHeight, palette::kGold);
  return picture.image();
}

platform::Image DrawMenuSheet() {
  Canvas picture(scene::kWidth, scene::kHeight);
  DrawScene(picture);
  DarkenRect(picture, {0, 0, scene::kWidth, scene::kHeight}, 2);
  DrawTitle(picture, "QUORVELNN", kTitleCentre, kTitleTop, kTitleCapHeight, palette::kGold);
  DrawPlaque(picture, kPlaqueInside);
  return picture.image();
}

}  // namespace pictures
