#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "calculator.h"
#include "form1.h"

namespace roccalc::cli {

// The texts of one flags run or batch row; a box without a text is a
// section that does not run.
struct SessionTexts {
    std::optional<std::string> pfa;   // Text1, section 1
    std::optional<std::string> pd;    // Text2, section 2 search
    std::optional<std::string> d;     // Text5, section 2 second box
    std::optional<std::string> band;  // Text3 } section 3, when both are given
    std::optional<std::string> rc;    // Text4 }
};

// Runs the sections in the window's order, each box filled just before its
// button (section 1 empties the others), and the long ones with their tick.
void runSession(const SessionTexts& texts, Form1& form, Calculator& calculator);

// "p(FA) = .9875"-style lines for the sections that ran.
std::vector<QString> captionLines(const SessionTexts& texts, const Form1& form);

// The whole window as one JSON object on one line: box texts, captions,
// button colours and CurveState.
QByteArray sessionJson(const Form1& form, const CurveState& state);

}  // namespace roccalc::cli
