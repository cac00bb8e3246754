// Text dumps of a sprite's state for the developer: F1 dumps the selected
// sprite into output_F1, F2 the orc side's objects into output/sprites.txt.
// A dump only reads the game.
#pragma once

class cSprite;
class LogFile;

// The general block: the sprite's fields, its attackers, and the occupancy
// and attack grids around it.
void DumpSprite(cSprite* sprite, LogFile& log);
// The general block, then the sprite's own two blocks (DebugDump1, DebugDump2).
void DumpSpriteFull(cSprite* sprite, LogFile& log);
// "[" kind ":" Px "," Py "]" and "[" Px "," Py "]".
void DumpShortForm(const cSprite* sprite, LogFile& log);
void DumpShortFormWithoutKind(const cSprite* sprite, LogFile& log);
