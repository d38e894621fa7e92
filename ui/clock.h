#pragma once

#include <functional>

namespace kalendix {

// Where the windows learn today's date value; tests give a fixed day instead of the machine's clock.
using Clock = std::function<double()>;

} // namespace kalendix
