#include "detection/evaluation.h"

#include "detection/erf_grid.h"

namespace roccalc {

KernelPaths kernelPaths(Evaluation evaluation) {
    if (evaluation == Evaluation::Literal) {
        return {erfSum, [](double v) { return searchThresholdLiteral(v, erfSum); },
                [](double q, double v) { return searchIndexLiteral(q, v, erfSum); }};
    }
    return {erfSumFast, searchThresholdFast, searchIndexFast};
}

}  // namespace roccalc
