#pragma once

#include "look.h"

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
};

} // namespace kalendix
