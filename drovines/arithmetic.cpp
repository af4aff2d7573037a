#include "drovines/arithmetic.h"

#include <cfloat>
#include <cmath>

namespace drovines {

double Arithmetic::fail() {
    failed_ = true;
    return 0;
}

double Arithmetic::quotient(double a, double b) {
    if (b == 0) {
        return fail();
    }
    return finite(a / b);
}

double Arithmetic::root(double x) {
    if (x < 0 || !std::isfinite(x)) {
        return fail();
    }
    return std::sqrt(x);
}

double Arithmetic::power(double base, double exponent) {
    if (base < 0 && exponent != std::floor(exponent)) {
        return fail();
    }
    if (base == 0 && exponent < 0) {
        return fail();
    }
    return finite(std::pow(base, exponent));
}

double Arithmetic::cotangent(double angle) {
    return quotient(1, std::tan(angle));
}

double Arithmetic::finite(double x) {
    if (!std::isfinite(x)) {
        return fail();
    }
    return x;
}

float Arithmetic::single(double x) {
    if (!std::isfinite(x) || std::fabs(x) > FLT_MAX) {
        return static_cast<float>(fail());
    }
    return static_cast<float>(x);
}

}  // namespace drovines
