// edit_game.bmp: the game screen's interface picture. The right-hand column
// is a stone panel with sunken black wells where the game draws the minimap,
// the portrait, numbers, text and command icons (text is drawn on black, so
// black wells hide the glyphs' boxes), and a wooden menu button. The game view
// on the left is covered during play, except for the resource line at its
// foot; the training bar's pieces are kept in its top-left corner.
#include "pictures/architecture.h"
#include "pictures/interface_layout.h"
#include "pictures/noise.h"
#include "pictures/shading.h"
#include "pictures/sheet_drawers.h"
#include "pictures/small_letters.h"

namespace pictures {
namespace {

namespace layout = interface_layout;

constexpr std::uint32_t kPanelSeed = 97;
constexpr std::uint32_t kGrainSeed = 89;

// A black well sunk `depth` pixels into the panel around `inside`.
void DrawWell(Canvas& canvas, const Rect& inside, int depth) {
  for (int i = 1; i <= depth; ++i) {
    canvas.Bevel(inside.Inset(-i), palette::kStone[i == 1 ? 0 : 1],
                 palette::kStone[i == 1 ? 5 : 7]);
  }
  canvas.FillRect(inside, palette::kBlack);
}

// Oak with its grain running along the longer side.
Colour WoodAt(int x, int y, const Rect& beam) {
  const bool across = beam.w < beam.h;
  const double grain = across ? Fractal(x / 2.0, y / 18.0, kGrainSeed, 3)
                              : Fractal(x / 18.0, y / 2.0, kGrainSeed, 3);
  return Dither(palette::kWood, 0.2 + grain * 0.4, x, y);
}

void DrawBeam(Canvas& canvas, const Rect& beam) {
  for (int y = beam.y; y < beam.Bottom(); ++y) {
    for (int x = beam.x; x < beam.Right(); ++x) canvas.Set(x, y, WoodAt(x, y, beam));
  }
  canvas.Bevel(beam, palette::kWood[5], palette::kWood[0]);
}

void DrawStud(Canvas& canvas, int x, int y) {
  canvas.FillRect({x, y, 2, 2}, palette::kGold[5]);
  canvas.Set(x + 1, y + 1, palette::kGold[2]);
}

void DrawMenuButton(Canvas& canvas) {
  const Rect button = layout::kMenuButton;
  DrawBeam(canvas, button);
  canvas.FrameRect(button, palette::kBlack);
  canvas.Bevel(button.Inset(1), palette::kWood[6], palette::kWood[1], 2);
  for (int x : {button.x + 4, button.Right() - 6}) {
    for (int y : {button.y + 4, button.Bottom() - 6}) DrawStud(canvas, x, y);
  }
  const int text_x = button.x + (button.w - SmallTextWidth("MENU")) / 2;
  const int text_y = button.y + (button.h - kSmallLetterHeight) / 2;
  DrawSmallText(canvas, "MENU", text_x, text_y, palette::kGold[6], palette::kWood[0]);
}

// The human side's arms over the menu button: a golden crown on blue.
void DrawCrest(Canvas& canvas) {
  Mask shield(canvas.width(), canvas.height());
  shield.AddPolygon({{601, 5}, {628, 5}, {628, 21}, {614.5, 36}, {601, 21}});
  Outline(canvas, shield, 0, 0, palette::kBlack, 1);
  PaintMask(canvas, shield, 0, 0,
            [](int x, int y) { return Dither(palette::kBanner, x < 614 ? 0.55 : 0.3, x, y); });
  Emboss(canvas, shield, 0, 0, palette::kGold[6], palette::kGold[2], 1);
  Mask crown(canvas.width(), canvas.height());
  crown.AddPolygon({{606, 12}, {610, 16}, {614.5, 10}, {619, 16}, {623, 12}, {622, 22}, {607, 22}});
  Outline(canvas, crown, 0, 0, palette::kBanner[0], 1);
  PaintMask(canvas, crown, 0, 0, palette::kGold[5]);
  Emboss(canvas, crown, 0, 0, palette::kGold[7], palette::kGold[3], 1);
  for (int x : {606, 614, 622}) canvas.Set(x, x == 614 ? 9 : 11, palette::kGold[7]);
}

void DrawPanel(Canvas& canvas) {
  DrawStoneWall(canvas, layout::kPanel, LightFrom::kLeft, kPanelSeed, {8, 15, -0.08});
  DrawBeam(canvas, {layout::kPanel.x, 0, 5, layout::kHeight});
  DrawBeam(canvas, {525, 214, 115, 8});
  for (int x = 530; x < 640; x += 26) DrawStud(canvas, x, 217);
  DrawWell(canvas, layout::kMinimap, 2);
  DrawCrest(canvas);
  DrawMenuButton(canvas);
  DrawWell(canvas, layout::kPortrait, 2);
  DrawWell(canvas, layout::kHitPoints, 2);
  canvas.HLine(layout::kHitPoints.x + 2, layout::kHitPoints.Right() - 3, 109, palette::kStone[2]);
  DrawWell(canvas, layout::kTextArea, 2);
  for (int column = 0; column < layout::kCommandColumns; ++column) {
    for (int row = 0; row < layout::kCommandRows; ++row) {
      DrawWell(canvas, layout::CommandCell(column, row), 1);
    }
  }
}

void DrawResourceLine(Canvas& canvas) {
  const Rect line = layout::kResourceLine;
  canvas.FillRect(line, palette::kBlack);
  canvas.HLine(line.x, line.Right() - 1, line.y, palette::kWood[4]);
  canvas.HLine(line.x, line.Right() - 1, line.y + 1, palette::kWood[1]);
  canvas.HLine(line.x, line.Right() - 1, line.Bottom() - 2, palette::kWood[1]);
  canvas.HLine(line.x, line.Right() - 1, line.Bottom() - 1, palette::kWood[3]);
}

// The empty bar: a gilt frame around a dark trough with a tick every tenth.
void DrawBarFrame(Canvas& canvas) {
  const Rect frame = layout::kBarFrame;
  const Rect trough = layout::kBarTrough;
  canvas.FillRect(frame, palette::kBlack);
  canvas.Bevel(frame.Inset(1), palette::kGold[6], palette::kGold[2]);
  canvas.Bevel(trough.Inset(-1), palette::kGold[1], palette::kGold[4]);
  canvas.FillRect(trough, palette::kVerdant[0]);
  for (int x = trough.x + 10; x < trough.Right(); x += 10) {
    canvas.VLine(x, trough.Bottom() - 4, trough.Bottom() - 1, palette::kGold[1]);
  }
}

// The fill is cut off at any column, so it shades only from top to bottom.
void DrawBarFill(Canvas& canvas) {
  const Rect fill = layout::kBarFill;
  constexpr int kLevels[16] = {5, 4, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1};
  for (int row = 0; row < fill.h; ++row) {
    canvas.HLine(fill.x, fill.Right() - 1, fill.y + row, palette::kVerdant[kLevels[row]]);
  }
}

}  // namespace

platform::Image DrawInterfaceSheet() {
  Canvas picture(layout::kWidth, layout::kHeight, palette::kBlack);
  DrawPanel(picture);
  DrawResourceLine(picture);
  DrawBarFrame(picture);
  DrawBarFill(picture);
  return picture.image();
}

}  // namespace pictures
