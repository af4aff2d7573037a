#pragma once

// Limit equilibrium with interslice forces on the slices of a circle: the shear X between two
// slices is lambda * f(x) * E, E the normal force between them (Morgenstern-Price; f constant
// is Spencer, whose interslice forces are parallel at theta = atan(lambda)). The factor F and
// lambda satisfy both the force equilibrium of every slice and the moment equilibrium of the
// whole mass about the circle's centre. Qt-free, no files, no messages.
//
// Per slice (x to the toe, y up; alpha positive where the base descends toward the toe):
//   P = W + Q + ponded water's weight,  H = kh*W - ponded water's push toward the slope
//   T = c*l - u*l*tan(fi),  S = (T + N*tan(fi)) / F  the shear on the base
//   vertical:    N*ma = P + X_left - X_right - T*sin(alpha)/F,   ma = cos + sin*tan(fi)/F
//   horizontal:  E_right - E_left = H + N*sin(alpha) - S*cos(alpha)
// E is 0 at both ends of the mass. Moments about the centre (the base normal passes through
// it): F = sum(T + N*tan(fi)) / sum[(W + Q)*sin(alpha) + kh*W*(Ycr - yG)/R + ponded moment/R].

#include <vector>

#include "marvecos/model/modelslices.h"
#include "marvecos/problem.h"

namespace marvecos {

// Why a circle has no factor by a method with interslice forces.
enum class InterSliceVerdict {
    Solved,
    ZeroWidthSlices,  // a slice of zero width has no base inclination
    NoDrivingMoment,  // the mass does not drive toward the toe about the centre
    LowMAlpha,        // m-alpha of the method at or below 0.2 on a slice
    MostlyInTension,  // more than half of the bases with a negative effective normal force
    NoCrossing,       // the force and moment factors do not meet within the lambda range
};

// m-alpha below which a slice makes the solution inadmissible.
constexpr double kLowestMAlpha = 0.2;
// Tolerance on F of the solution.
constexpr double kFactorTolerance = 1e-6;
// lambda is sought within -kLambdaRange..kLambdaRange.
constexpr double kLambdaRange = 3.0;

struct InterSliceSolution {
    InterSliceVerdict verdict = InterSliceVerdict::NoCrossing;
    double F = 0;
    double lambda = 0;
    double bishopF = 0;  // the start: lambda = 0, moments
    bool byBracketing = false;
    int iterations = 0;          // Newton steps, or bisections of the fallback
    std::vector<double> trialF;  // F of each Newton step (the first is bishopF)
    int tensionSlices = 0;       // bases with a negative effective normal force
    int lowMAlphaSlice = 0;      // the first slice whose m-alpha is too low (LowMAlpha)
    // Per boundary 1..slices+1 (element 0 unused): the interslice forces.
    std::vector<double> E, X;
    // Per slice 1..slices: total and effective base normal force and base shear.
    std::vector<double> N, Nprime, S;
};

// The force and moment factors at one lambda, each alone in equilibrium; a curve without a
// value there (no root in F) is marked.
struct FactorPair {
    double lambda = 0;
    bool hasForce = false, hasMoment = false;
    double Ff = 0, Fm = 0;
};

// The constants of the slices and the equations above; kept and reused from circle to circle.
class InterSliceSolver {
public:
    // False when a slice has zero width or the mass does not drive toward the toe.
    InterSliceVerdict prepare(const ModelSlices& s, InterSliceFunction f);

    // F and lambda of both equilibria from the Bishop factor and lambda = 0 by Newton, with a
    // scan of lambda and bisection where Newton fails; admissibility checked.
    void solve(InterSliceSolution& out);

    // lambda = 0 alone: Bishop's factor (moments) and Janbu's simplified factor (forces).
    double bishopFactor() const;
    bool forceFactor(double lambda, double& F) const;
    bool momentFactor(double lambda, double& F) const;

    // The first slice (1..) whose m-alpha of the method, cos(alpha - theta) +
    // sin(alpha - theta)*tan(fi)/F with theta = atan(lambda*f), is at or below kLowestMAlpha;
    // 0 when none is.
    int firstLowMAlphaSlice(double F, double lambda) const;

    // The factors at lambda (the F-lambda chart).
    FactorPair factorsAt(double lambda) const;

    // Weight and driving sum, for scaling.
    double sumP() const { return sumP_; }

private:
    struct Residuals {
        double force = 0;   // E at the last boundary
        double moment = 0;  // resisting minus F times driving
        bool finite = false;
    };
    struct Slopes {
        double forceF = 0, forceL = 0, momentF = 0, momentL = 0;
    };
    Residuals residuals(double F, double lambda) const;
    Residuals residuals(double F, double lambda, Slopes& d) const;
    bool newton(double& F, double& lambda, InterSliceSolution& out) const;
    bool bracket(double& F, double& lambda, InterSliceSolution& out) const;
    bool rootInF(bool force, double lambda, double start, double& F) const;
    void fill(double F, double lambda, InterSliceSolution& out) const;
    InterSliceVerdict admissible(const InterSliceSolution& sol) const;

    int n_ = 0;
    std::vector<double> sin_, cos_, tanFi_, P_, H_, T_, fL_, fR_, fMid_, u_, l_;
    double sumD_ = 0;   // driving moment / R
    double start_ = 1;  // Bishop's factor, where every search for F starts
    double sumP_ = 0;
};

}  // namespace marvecos
