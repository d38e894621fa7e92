#pragma once

#include <QIcon>

namespace kalendix {

// The yellow dotted page with three ruled lines.
QIcon programIcon();

} // namespace kalendix
