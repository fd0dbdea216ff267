#pragma once

#include <string>
#include <string_view>

namespace roccalc {

// A number written with a point, with `separator` in place of the point.
std::string withSeparator(std::string number, std::string_view separator);

// A double in its shortest form that reads back to the same bits
// ("13.0312", "1e-05"), with `separator` in place of the point.
std::string shortestNumber(double value, std::string_view separator = ".");

}  // namespace roccalc
