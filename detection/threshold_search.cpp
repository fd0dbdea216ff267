#include "detection/threshold_search.h"

#include <algorithm>
#include <vector>

#include "detection/erf_grid.h"

namespace roccalc {
namespace {

struct ThresholdTable {
    std::vector<double> q;        // the loop's points, then the first one past the limit
    std::vector<double> pfaCalc;  // the p(FA) at each point within the limit
};

const ThresholdTable& thresholdTable() {
    static const ThresholdTable table = [] {
        ThresholdTable t;
        double q = 0.0;
        while (q <= kThresholdLimit) {
            t.q.push_back(q);
            t.pfaCalc.push_back(falseAlarmPercent(q, erfSumFast));
            q = kThresholdStep + q;
        }
        t.q.push_back(q);
        return t;
    }();
    return table;
}

}  // namespace

ThresholdSearchResult searchThresholdLiteral(double v, ErfSumFunction erf) {
    double q = 0.0;
    double pfaCalc = 0.0;
    while (q <= kThresholdLimit) {
        pfaCalc = falseAlarmPercent(q, erf);
        if (pfaCalc < v) {
            break;
        }
        q = kThresholdStep + q;
    }
    return {q, pfaCalc};
}

ThresholdSearchResult searchThresholdFast(double v) {
    const ThresholdTable& table = thresholdTable();
    // The first point whose p(FA) is below v; the table falls, so every
    // point before it is not below v.
    const auto stop = std::partition_point(table.pfaCalc.begin(), table.pfaCalc.end(),
                                           [v](double pfa) { return !(pfa < v); });
    const auto k = static_cast<std::size_t>(stop - table.pfaCalc.begin());
    if (k == table.pfaCalc.size()) {
        return {table.q.back(), table.pfaCalc.back()};  // ran out
    }
    return {table.q[k], table.pfaCalc[k]};
}

}  // namespace roccalc
