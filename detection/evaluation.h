#pragma once

#include "detection/erf_sum.h"
#include "detection/index_search.h"

namespace roccalc {

// How the kernel is evaluated: the literal sum (the definition, slow) or the
// grid lookup that gives the same bits at once.
enum class Evaluation { Literal, Fast };

// The kernel's paths for one evaluation, chosen together in one place.
struct KernelPaths {
    ErfSumFunction erf;
    IndexSearchResult (*searchIndex)(double q, double v);
};

KernelPaths kernelPaths(Evaluation evaluation);

}  // namespace roccalc
