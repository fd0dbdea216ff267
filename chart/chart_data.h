#pragma once

#include <optional>
#include <string>
#include <vector>

#include "detection/curve_state.h"
#include "detection/form1.h"

namespace roccalc::chart {

// The axes, in percent, on normal-probability scales.
inline constexpr double kFalseAlarmLowest = 0.1;  // section 1's range stops here too
inline constexpr double kFalseAlarmHighest = 50.0;
inline constexpr double kDetectionLowest = 1.0;
inline constexpr double kDetectionHighest = 99.9;

// A probability in percent as its standard normal quantile, Phi^-1(p / 100),
// and back. On both axes so scaled, the curve of a fixed d is the straight
// line y = x + sqrt(d).
double probitOf(double percent);
double percentOf(double probit);

// A point in probit coordinates: x of p(FA), y of p(D).
struct Point {
    double x;
    double y;
};

// The d of the straight line through a point: (Phi^-1(1 - p(FA)) -
// Phi^-1(1 - p(D)))^2, from the same scale mapping.
double indexThrough(Point point);

struct Tick {
    double probit;
    std::string label;  // the percent as written, with the locale's separator
};

enum class CurveKind { Family, Found, Set };

struct Curve {
    CurveKind kind;
    double d;
    std::string legend;
    // The curve cut at the plot frame: each piece a polyline inside it.
    std::vector<std::vector<Point>> pieces;
};

enum class MarkerKind { OperatingPoint, SetPoint };

struct Marker {
    MarkerKind kind;
    Point at;
    double pfa;  // percent
    double pd;   // percent
    std::string legend;
};

struct ChartData {
    std::string title = "Curve ROC";
    std::string xTitle = "p(FA) %";
    std::string yTitle = "p(D) %";
    Point lowest{};   // bottom left of the plot frame
    Point highest{};  // top right
    std::vector<Tick> xTicks;
    std::vector<Tick> yTicks;
    std::vector<Curve> curves;
    std::vector<Marker> markers;
    std::optional<double> thresholdLine;  // x of the p(FA) reached by section 1
    std::string description;              // what the picture shows, in words
};

inline constexpr double kFamily[] = {1, 4, 9, 16, 25, 36};

// The chart of a session: the reference family, and after the calculations
// the curves and points of their results, each computed with the
// calculator's own kernel at the step its section uses. Reads the state and
// the captions, writes nothing.
ChartData buildChart(const CurveState& state, const Form1& form, const std::string& separator);

// The polyline through `points` cut at the frame from `lowest` to `highest`:
// the pieces inside it, with points on the frame where it crosses; points
// that are not finite break the line.
std::vector<std::vector<Point>> cutAtFrame(const std::vector<Point>& points, Point lowest,
                                           Point highest);

}  // namespace roccalc::chart
