#include "window_system.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>

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

QMargins frameMarginsBeforeShowing(QWidget* window)
{
    // This window system decorates a window as it is made, and Qt knows the frame from then on.
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace kalendix
