#include "float_progress_bar.h"

#include <algorithm>
#include <cmath>

namespace kalendix {

namespace {

constexpr float maximumProgress = 100.0f;

} // namespace

FloatProgressBar::FloatProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, static_cast<int>(maximumProgress));
    setValue(0);
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

void FloatProgressBar::setProgress(float progress)
{
    m_progress = progress;
    // Only the picture is clamped; the run reads back exactly what it wrote.
    const float shown = std::isnan(progress) ? 0.0f : std::clamp(progress, 0.0f, maximumProgress);
    setValue(static_cast<int>(std::lround(shown)));
}

} // namespace kalendix
