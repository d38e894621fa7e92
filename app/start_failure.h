#pragma once

class QString;

namespace kalendix {

// What a start that cannot show a window says, and where, on each platform; one file per platform.

// Asked before Qt is made: where the platform can tell in advance that Qt will find no way to show a window, the
// words that say what is missing; empty otherwise.
QString windowSystemMissing();

// Once Qt has said it cannot show a window: the words that say why, as far as the platform can tell, and what the
// user can do about it.
QString windowSystemFailure();

// Puts the words where the user sees them: standard error, and on Windows, where a window program has no console, a
// message box as well.
void tellStartFailure(const QString& words);

} // namespace kalendix
