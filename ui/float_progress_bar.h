#pragma once

#include <QProgressBar>

namespace kalendix {

// QProgressBar holds an int; the run's state is a 32-bit float that must step 0, 10, ... 100 exactly, so the bar
// keeps that value itself and only shows it.
class FloatProgressBar final : public QProgressBar
{
    Q_OBJECT

public:
    explicit FloatProgressBar(QWidget* parent = nullptr);

    float progress() const { return m_progress; }
    void setProgress(float progress);

private:
    float m_progress = 0.0f;
};

} // namespace kalendix
