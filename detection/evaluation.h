#pragma once

#include "detection/erf_sum.h"
#include "detection/index_search.h"
#include "detection/threshold_search.h"

namespace roccalc {

// How the kernel is evaluated: the literal sum (the definition, slow) or the
// grid lookup that gives the same bits at once.
enum class Evaluation { Literal, Fast };

// The kernel's paths for one evaluation, chosen together in one place.
struct KernelPaths {
    ErfSumFunction erf;
    ThresholdSearchResult (*searchThreshold)(double v);
    IndexSearchResult (*searchIndex)(double q, double v);
};

KernelPaths kernelPaths(Evaluation evaluation);

}  // namespace roccalc
