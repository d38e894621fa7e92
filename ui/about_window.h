#pragma once

#include "look.h"

#include <QString>
#include <QWidget>

namespace kalendix {

// "О программе...": the author's portrait, name and contact address, the version and the year. Read-only.
class Fr5 final : public QWidget
{
    Q_OBJECT

public:
    explicit Fr5(const Look& look);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the window shows, as a screen reader says it.
    QString m_spoken;
};

} // namespace kalendix
