// Text dumps of objects for the F1 and F2 keys.
#pragma once

class cSprite;
class LogFile;

// The general dump of a sprite's state.
void DumpSprite(cSprite* sprite, LogFile& log);
