#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "detection/calculator.h"
#include "detection/form1.h"

namespace roccalc {

// A click as the window delivers it where there is no event loop: Command2
// and Command4 only raise their request flag, so the tick of their timer
// follows at once; Command1 and Command3 compute inside the click.
void press(Calculator& calculator, Command command);

// The box texts of one session; a box without a text belongs to a
// calculation that does not run.
class SessionTexts {
  public:
    std::optional<std::string>& operator[](TextBox box) { return texts_[slot(box)]; }
    const std::optional<std::string>& operator[](TextBox box) const { return texts_[slot(box)]; }

    // A calculation runs when every box it reads has a text.
    bool runs(Calculation calculation) const;

  private:
    std::array<std::optional<std::string>, kTextBoxCount> texts_;
};

// Runs the calculations that have their texts in the window's order, each
// box filled just before its button (section 1 empties the others).
// `ran`, when given, is called after each calculation, while the state is
// still its own.
void runSession(const SessionTexts& texts, Form1& form, Calculator& calculator,
                const std::function<void(Calculation)>& ran = {});

}  // namespace roccalc
