#pragma once

namespace kalendix {

// What the program checks and arranges before Qt starts, so that a start that cannot work ends with a plain word
// rather than an abort, and a setting Qt cannot use is left out rather than followed.
//
// beginStart() drops a QT_SCALE_FACTOR that is not a usable number, saying so, and until endStart() holds back Qt's
// messages: a fatal one (Qt finds no display, or no platform it can use) ends the program with exit status 1 and a
// message in Russian and English, Qt's own below it; otherwise they are passed on as they came. Where the platform
// can tell before Qt is made that no window can be shown, the program ends there, with the same kind of message.
void beginStart();
void endStart();

// Says on standard error that the faces the windows are written in are missing, and where to get them.
void reportMissingCyrillicFaces();

} // namespace kalendix
