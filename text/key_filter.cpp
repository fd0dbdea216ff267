#include "text/key_filter.h"

#include <string_view>

namespace roccalc {

bool keyAllowed(char16_t code) {
    constexpr std::u16string_view kAllowed = u"0123456789.-\b";
    return kAllowed.find(code) != std::u16string_view::npos;
}

}  // namespace roccalc
