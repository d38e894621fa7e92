#include "application.h"

#include "core/conversions.h"
#include "ui/main_window.h"

#include <cstdlib>
#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    kalendix::Application app(argc, argv);
    std::unique_ptr<kalendix::Form1> mainWindow;
    try {
        mainWindow = std::make_unique<kalendix::Form1>(&kalendix::todayDate);
        mainWindow->show();
    } catch (...) {
        // No event loop runs yet, so the box is shown and the program ends here.
        app.reportFatalError(std::current_exception());
        return EXIT_FAILURE;
    }
    return kalendix::Application::exec();
}
