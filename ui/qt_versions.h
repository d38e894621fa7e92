#pragma once

#include <QLibraryInfo>
#include <QVersionNumber>
#include <QtGlobal>

// Where Qt 6.8 changed what the program must do, all in one place. Qt 6.4 (Debian 12) is the oldest the program
// supports; each difference says what goes once that is 6.8. The Qt the program runs on decides, not the one it was
// built with: a program built with one Qt runs with any later one.

namespace kalendix::qt_versions {

inline bool runsOnQt68OrLater()
{
    static const bool later = QLibraryInfo::version() >= QVersionNumber(6, 8);
    return later;
}

// QAccessibleAnnouncementEvent, which the headers of an older Qt do not declare. Before 6.8 each window holds a
// notification that is shown anew with each text. Once 6.8 is the oldest: announce with the event alone, and drop
// the notification and this macro.
#define KALENDIX_QT_HAS_ANNOUNCEMENT_EVENT (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

inline bool hasAnnouncements()
{
    return KALENDIX_QT_HAS_ANNOUNCEMENT_EVENT && runsOnQt68OrLater();
}

// Before 6.8 a line edit tells a screen reader that its text attributes run from each offset to itself, and the
// program gives line edits an interface of its own. Once 6.8 is the oldest: drop that interface.
inline bool lineEditsReportOneAttributeRun()
{
    return runsOnQt68OrLater();
}

// Before 6.8 QIconEngine::scaledPixmap() is handed the size in device pixels, from 6.8 in logical ones
// (QIcon::pixmap()'s own documentation says so); nothing in the call tells the two apart. Once 6.8 is the oldest: take
// the size as logical pixels always.
inline bool iconEnginesAreGivenDevicePixels()
{
    return !runsOnQt68OrLater();
}

} // namespace kalendix::qt_versions
