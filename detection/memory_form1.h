#pragma once

#include <array>

#include "detection/form1.h"

namespace roccalc {

// Form1 without a screen: every field in memory, in its start state (texts
// and captions empty, buttons green).
class MemoryForm1 final : public Form1 {
  public:
    MemoryForm1();

    std::string text(TextBox box) const override;
    void setText(TextBox box, std::string_view text) override;
    std::string caption(ResultLabel label) const override;
    void setCaption(ResultLabel label, std::string_view caption) override;
    Colour backColor(FlagButton button) const override;
    void setBackColor(FlagButton button, Colour colour) override;

  private:
    std::array<std::string, kTextBoxCount> texts_;
    std::array<std::string, kResultLabelCount> captions_;
    std::array<Colour, kFlagButtonCount> colours_;
};

}  // namespace roccalc
