#include "window_system.h"

#include <QTimer>
#include <QWidget>

#include <shobjidl.h>
#include <windows.h>

namespace kalendix {

void keepOffTaskbar(QWidget* window)
{
    // The taskbar adds a button for an owner-less window as it appears, so the button is taken away just after.
    // A tool window never gets one; this is for the dialog-framed ones. Qt has initialised COM on this thread.
    QTimer::singleShot(0, window, [window] {
        ITaskbarList* taskbar = nullptr;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList,
                                    reinterpret_cast<void**>(&taskbar))))
            return;
        if (SUCCEEDED(taskbar->HrInit()))
            taskbar->DeleteTab(reinterpret_cast<HWND>(window->winId()));
        taskbar->Release();
    });
}

// Windows decorates a window as it is made, and Qt knows the frame from then on.
std::optional<QMargins> frameMarginsTold(QWidget* /*window*/)
{
    return std::nullopt;
}

} // namespace kalendix
