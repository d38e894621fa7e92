#pragma once

#include "ui/look.h"

#include <QApplication>

namespace kalendix {

// The application object: the program's names for the desktop, and the fonts the windows ask for.
class Application final : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // The faces the windows are drawn in, as found on this machine.
    const Look& look() const { return m_look; }

private:
    Look m_look;
};

} // namespace kalendix
