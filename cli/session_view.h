#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "detection/curve_state.h"
#include "detection/form1.h"
#include "detection/session.h"

namespace roccalc::cli {

// "p(FA) = .9875"-style lines for the calculations that ran.
std::vector<QString> captionLines(const SessionTexts& texts, const Form1& form);

// The whole window as one JSON object on one line: box texts, captions,
// button colours and CurveState.
QByteArray sessionJson(const Form1& form, const CurveState& state);

}  // namespace roccalc::cli
