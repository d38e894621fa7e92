#pragma once

#include <QLineEdit>

namespace kalendix {

// A result box: a line edit made light for long pasted texts. Its text is never shaped (numbers and plain words need
// none).
class ResultBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);
};

} // namespace kalendix
