#pragma once

namespace drovines {

// The arithmetic of one calculation. A division by zero, a root or fractional power of a
// negative number, or a value that is not finite marks the calculation as failed, so the
// methods can stop with their message instead of showing an infinity or a NaN. A failed
// operation gives 0 so that the rest of the sequence stays harmless until it is abandoned.
class Arithmetic {
public:
    double quotient(double a, double b);
    double root(double x);
    double power(double base, double exponent);
    double cotangent(double angle);
    // A value of the calculation that must be a finite number.
    double finite(double x);
    // Rounding to single precision, as the result vector stores; fails beyond its range.
    float single(double x);

    bool failed() const { return failed_; }

private:
    double fail();
    bool failed_ = false;
};

}  // namespace drovines
