// Small conversions used by labels and window geometry.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "dFunc.h"

namespace velomira {

std::string DoubleAmpersands(std::string_view text) {
  std::string result;
  try {
    result.reserve(text.size());
    for (const char c : text) {
      result += c;
      if (c == '&') result += '&';
    }
  } catch (...) {
    result.clear();
  }
  return result;
}

// The integer part, truncated toward zero, of the number as written with 15
// significant digits (so 2.9999999999999996 counts as 3, as its decimal text reads).
// Values beyond the int range are clamped and NaN gives 0, instead of failing.
int ToInt(double value) {
  if (std::isnan(value)) return 0;
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", value);
  const double written = std::trunc(std::strtod(text, nullptr));
  if (written >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (written <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(written);
}

}  // namespace velomira
