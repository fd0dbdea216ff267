#pragma once

namespace roccalc {

// The calculator's persistent values: all 0 at start, kept while the window
// is open, never saved. Sections pass values to each other only through here.
struct CurveState {
    double q = 0.0;        // threshold, written by section 1
    double pfaCalc = 0.0;  // p(FA) in percent reached at q
    double d = 0.0;        // detection index found by the section 2 search
    double pdCalc = 0.0;   // last p(D) in percent, from either box of section 2
    double dSet = 0.0;     // d last taken by the second box
    double lastY = 0.0;    // last 1 +/- E of the p(D) evaluation

    bool operator==(const CurveState&) const = default;
};

}  // namespace roccalc
