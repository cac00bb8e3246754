// Text dumps of objects for the F1 key.
#pragma once

class cSprite;

// The selected object's dumps into output/output_F1.txt.
void DumpSelectedSprite(cSprite* sprite);
