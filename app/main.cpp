#include "application.h"

#include "core/calendar.h"
#include "ui/main_window.h"
#include "ui/runtime_error.h"

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[])
{
    kalendix::Application app(argc, argv);
    std::unique_ptr<kalendix::Form1> mainWindow;
    bool started = false;
    kalendix::guarded([&] {
        mainWindow = std::make_unique<kalendix::Form1>(&kalendix::todayDate, app.look());
        mainWindow->show();
        started = true;
    });
    if (!started)
        return EXIT_FAILURE;
    return kalendix::Application::exec();
}
