#pragma once

#include <QApplication>

namespace kalendix {

// The application object: the program's names for the desktop, and the fonts the windows ask for.
class Application final : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
};

} // namespace kalendix
