#pragma once

#include <QApplication>

#include <exception>

namespace kalendix {

// The application object. A failure that escapes an event handler is shown in a run-time error box, after which the
// program ends with a non-zero status: nothing inside the program can recover from it.
class Application final : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for a failure and asks the event loop to end with a failure status.
    void reportFatalError(const std::exception_ptr& failure);

    static QString errorBoxTitle();
    static QString describe(const std::exception_ptr& failure);

private:
    bool m_failing = false;
};

} // namespace kalendix
