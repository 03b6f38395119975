#include "common/Rounding.h"

#include <cmath>

namespace korvel {

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace korvel
