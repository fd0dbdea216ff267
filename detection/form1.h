#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "detection/form1_fields.h"

namespace roccalc {

// 0x00BBGGRR, as the buttons' BackColor is read and written.
using Colour = std::uint32_t;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kGreen = 0x0000FF00;
inline constexpr Colour kDarkGrey = 0x00404040;

// The fields of the window that the calculations read and write. The Qt
// window is one implementation, MemoryForm1 (tests, command line) the other.
class Form1 {
  public:
    virtual ~Form1() = default;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, std::string_view text) = 0;

    virtual std::string caption(ResultLabel label) const = 0;
    virtual void setCaption(ResultLabel label, std::string_view caption) = 0;

    // Must read back exactly the value last set: the timers compare it with
    // red for equality.
    virtual Colour backColor(FlagButton button) const = 0;
    virtual void setBackColor(FlagButton button, Colour colour) = 0;
};

}  // namespace roccalc
