#include "detection/session.h"

namespace roccalc {

void press(Calculator& calculator, Command command) {
    switch (command) {
        case Command::Command1:
            calculator.Command1_Click();
            break;
        case Command::Command2:
            calculator.Command2_Click();
            calculator.Timer1_Timer();
            break;
        case Command::Command3:
            calculator.Command3_Click();
            break;
        case Command::Command4:
            calculator.Command4_Click();
            calculator.Timer2_Timer();
            break;
    }
}

bool SessionTexts::runs(Calculation calculation) const {
    bool any = false;
    for (const TextBoxField& row : kTextBoxFields) {
        if (row.calculation == calculation) {
            if (!texts_[slot(row.box)]) {
                return false;
            }
            any = true;
        }
    }
    return any;
}

void runSession(const SessionTexts& texts, Form1& form, Calculator& calculator,
                const std::function<void(Calculation)>& ran) {
    for (const Calculation calculation : kCalculationsInWindowOrder) {
        if (!texts.runs(calculation)) {
            continue;
        }
        for (const TextBoxField& row : kTextBoxFields) {
            if (row.calculation == calculation) {
                form.setText(row.box, *texts[row.box]);
            }
        }
        press(calculator, commandOf(calculation));
        if (ran) {
            ran(calculation);
        }
    }
}

}  // namespace roccalc
