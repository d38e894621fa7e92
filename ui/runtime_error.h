#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace kalendix {

// Nothing inside the program can recover from a failure of a computation or of the clock: it is shown in the
// run-time error box, after which the program's event loop ends with a failure status.
void reportFatalError(const std::exception_ptr& failure);

QString errorBoxTitle();
QString describeFailure(const std::exception_ptr& failure);

// Runs one event handler so that no failure leaves it: Qt's event loop must never see an exception.
template <typename Handler> void guarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportFatalError(std::current_exception());
    }
}

} // namespace kalendix
