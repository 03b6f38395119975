#pragma once

namespace korvel {

// Rounds to the nearest integer with exact halves going to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the rounding the program uses for picture sizes and positions.
int roundHalfEven(double value);

} // namespace korvel
