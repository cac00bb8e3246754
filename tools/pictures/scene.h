// The landscape behind the title pictures: a human castle on the left and an
// orc stronghold on the right face each other across a valley at sunset.
#pragma once

#include "pictures/canvas.h"

namespace pictures {

// Layout shared by the pieces of the scene, in pixels of a 640x480 picture.
namespace scene {
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;
inline constexpr int kHorizon = 318;  // the lake's surface
inline constexpr int kSunX = 392;
inline constexpr int kSunY = 292;
inline constexpr int kSunRadius = 30;
}  // namespace scene

// The whole scene, back to front.
void DrawScene(Canvas& canvas);

// Its layers, each drawn over the ones before.
void DrawSky(Canvas& canvas);
void DrawMountains(Canvas& canvas);
void DrawLake(Canvas& canvas);
void DrawHills(Canvas& canvas);
void DrawCastle(Canvas& canvas);
void DrawFortress(Canvas& canvas);
void DrawForeground(Canvas& canvas);

// How bright the sky is at a pixel, 0 to 1 along the sky's ramp; the lake
// mirrors it.
double SkyLevel(int x, int y);

// The height of the ground (its top row) at column x, for placing buildings.
int HillTop(int x);

}  // namespace pictures
