// Polling the mouse and the keyboard, and turning their events into the
// running zone's signals: press, double click, release, right press, drag, keys.
#pragma once

#include "platform/win32.h"

extern int mouse_x;  // cursor in screen pixels, 0..636
extern int mouse_y;  // 0..476
extern bool left_down;
extern bool right_down;
extern int press_x;  // cursor at the last left press
extern int press_y;
extern bool first_click_pending;  // a left press happened no more than 200 ms ago
extern DWORD last_press_time;
extern int last_key;  // code of the key last sent, -1 when none is held
extern DWORD last_key_scan;

constexpr DWORD kDoubleClickMs = 200;
constexpr DWORD kKeyScanMs = 50;
constexpr DWORD kMouseRecordsPerPoll = 16;

void PollMouse();
void PollKeyboard();

void CallbackButtonLeftPressed();
void CallbackButtonLeftReleased();
void CallbackButtonRightPressed();
void CallbackButtonRightReleased();
void CallbackLeftButtonHeld();
// Moves the cursor by twice the motion counts, stopping at the screen edges.
void DeplacerSouris(int dx, int dy);
