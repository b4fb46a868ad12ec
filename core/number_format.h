// Every number the system prints goes through here. Both forms start from the shortest
// decimal text that reads back as the same double, round that text half away from zero,
// never print "-0", use "." and no grouping, and do not depend on the locale.
#pragma once

#include <string>

namespace vensa {

// Fixed-point with exactly `decimals` decimals (clamped to 0..20): 100 -> "100.00000000"
// with 8, 2.5 -> "3" with 0. Non-finite values print as "NAN", "INF" or "-INF".
std::string FormatFixed(double value, int decimals);

// The DXF coordinate form: fixed-point with 8 decimals.
inline std::string FormatC8(double value) {
  return FormatFixed(value, 8);
}

// General form with at most 15 significant digits: no trailing zeros or decimal point;
// scientific ("1E20", "1.5E-6") from 1e15 up or below 1e-5.
std::string FormatG15(double value);

// Appending variants for hot loops that build large texts.
void AppendFixed(std::string& out, double value, int decimals);
void AppendG15(std::string& out, double value);

}  // namespace vensa
