// The title scene, back to front.
#include "pictures/scene.h"

namespace pictures {

void DrawScene(Canvas& canvas) {
  DrawSky(canvas);
  DrawMountains(canvas);
  DrawLake(canvas);
  DrawHills(canvas);
  DrawCastle(canvas);
  DrawFortress(canvas);
  DrawForeground(canvas);
}

}  // namespace pictures
