#include "marvecos/methods/interslicesolver.h"

#include <algorithm>
#include <cmath>

namespace marvecos {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kNewtonSteps = 60;
constexpr int kBisections = 80;
// lambda step of the scan of the fallback.
constexpr double kLambdaScanStep = 0.05;
// F from kLowestTrialF to kHighestTrialF when a root in F must be bracketed.
constexpr double kLowestTrialF = 0.02;
constexpr double kHighestTrialF = 100.0;
constexpr int kTrialFs = 120;

double functionAt(InterSliceFunction f, double x, double xStart, double xEnd) {
    if (f == InterSliceFunction::Constant || !(xEnd > xStart)) {
        return 1.0;
    }
    return std::sin(kPi * (x - xStart) / (xEnd - xStart));
}

}  // namespace

InterSliceVerdict InterSliceSolver::prepare(const ModelSlices& s, InterSliceFunction f) {
    n_ = s.slices;
    const std::size_t size = static_cast<std::size_t>(n_) + 1;
    for (std::vector<double>* v :
         {&sin_, &cos_, &tanFi_, &P_, &H_, &T_, &fL_, &fR_, &fMid_, &u_, &l_}) {
        v->assign(size, 0.0);
    }
    sumD_ = 0;
    sumP_ = 0;
    if (n_ < 1) {
        return InterSliceVerdict::ZeroWidthSlices;
    }
    const double xStart = s.xLeft[1];
    const double xEnd = s.xRight[static_cast<std::size_t>(n_)];
    for (int k = 1; k <= n_; ++k) {
        if (!(s.b[k] > 0)) {
            return InterSliceVerdict::ZeroWidthSlices;
        }
        sin_[k] = s.sinA[k];
        cos_[k] = s.cosA[k];
        tanFi_[k] = s.tanFi[k];
        u_[k] = s.u[k];
        l_[k] = s.l[k];
        P_[k] = s.W[k] + s.Q[k] + s.pondV[k];
        H_[k] = s.kW[k] - s.pondH[k];
        T_[k] = s.c[k] * s.l[k] - s.u[k] * s.l[k] * s.tanFi[k];
        fL_[k] = functionAt(f, s.xLeft[k], xStart, xEnd);
        fR_[k] = functionAt(f, s.xRight[k], xStart, xEnd);
        fMid_[k] = functionAt(f, s.xMid[k], xStart, xEnd);
        sumD_ +=
            (s.W[k] + s.Q[k]) * s.sinA[k] + s.kW[k] * (s.Ycr - s.yG[k]) / s.R + s.pondM[k] / s.R;
        sumP_ += P_[k];
    }
    // The half-sine is zero at both ends of the mass whatever the rounding of the sine.
    if (f == InterSliceFunction::HalfSine) {
        fL_[1] = 0;
        fR_[static_cast<std::size_t>(n_)] = 0;
    }
    if (!(sumD_ > 1e-12 * std::max(1.0, sumP_))) {
        return InterSliceVerdict::NoDrivingMoment;
    }
    const double bishop = bishopFactor();
    start_ = std::isfinite(bishop) ? bishop : 1.0;
    return InterSliceVerdict::Solved;
}

InterSliceSolver::Residuals InterSliceSolver::residuals(double F, double lambda) const {
    Residuals r;
    double E = 0, resist = 0;
    const double invF = 1 / F;
    for (int k = 1; k <= n_; ++k) {
        const double t = tanFi_[k] * invF;
        const double ma = cos_[k] + sin_[k] * t;
        const double na = sin_[k] - cos_[k] * t;
        const double denom = ma + na * lambda * fR_[k];
        if (ma == 0 || denom == 0) {
            return r;
        }
        const double XL = lambda * fL_[k] * E;
        const double ER =
            (E * (ma + na * lambda * fL_[k]) + ma * H_[k] + na * P_[k] - T_[k] * invF) / denom;
        const double N = (P_[k] + XL - lambda * fR_[k] * ER - T_[k] * sin_[k] * invF) / ma;
        resist += T_[k] + N * tanFi_[k];
        E = ER;
    }
    r.force = E;
    r.moment = resist - F * sumD_;
    r.finite = std::isfinite(r.force) && std::isfinite(r.moment);
    return r;
}

// The same pass carrying the derivatives of every quantity with respect to F and lambda, for
// Newton's Jacobian.
InterSliceSolver::Residuals InterSliceSolver::residuals(double F, double lambda, Slopes& d) const {
    Residuals r;
    double E = 0, EF = 0, EL = 0;  // E and its derivatives by F and lambda
    double resist = 0, resistF = 0, resistL = 0;
    const double invF = 1 / F, invF2 = invF * invF;
    for (int k = 1; k <= n_; ++k) {
        const double t = tanFi_[k] * invF, tF = -tanFi_[k] * invF2;
        const double ma = cos_[k] + sin_[k] * t, maF = sin_[k] * tF;
        const double na = sin_[k] - cos_[k] * t, naF = -cos_[k] * tF;
        const double fL = fL_[k], fR = fR_[k];
        const double denom = ma + na * lambda * fR;
        if (ma == 0 || denom == 0) {
            return r;
        }
        const double denomF = maF + naF * lambda * fR, denomL = na * fR;
        const double left = ma + na * lambda * fL;
        const double leftF = maF + naF * lambda * fL, leftL = na * fL;
        const double num = E * left + ma * H_[k] + na * P_[k] - T_[k] * invF;
        const double numF = EF * left + E * leftF + maF * H_[k] + naF * P_[k] + T_[k] * invF2;
        const double numL = EL * left + E * leftL;
        const double ER = num / denom;
        const double ERF = (numF - ER * denomF) / denom;
        const double ERL = (numL - ER * denomL) / denom;
        const double top = P_[k] + lambda * fL * E - lambda * fR * ER - T_[k] * sin_[k] * invF;
        const double topF = lambda * fL * EF - lambda * fR * ERF + T_[k] * sin_[k] * invF2;
        const double topL = fL * E + lambda * fL * EL - fR * ER - lambda * fR * ERL;
        const double N = top / ma;
        const double NF = (topF - N * maF) / ma;
        const double NL = topL / ma;
        resist += T_[k] + N * tanFi_[k];
        resistF += NF * tanFi_[k];
        resistL += NL * tanFi_[k];
        E = ER;
        EF = ERF;
        EL = ERL;
    }
    r.force = E;
    r.moment = resist - F * sumD_;
    d.forceF = EF;
    d.forceL = EL;
    d.momentF = resistF - sumD_;
    d.momentL = resistL;
    r.finite = std::isfinite(r.force) && std::isfinite(r.moment) && std::isfinite(EF) &&
               std::isfinite(EL) && std::isfinite(resistF) && std::isfinite(resistL);
    return r;
}

double InterSliceSolver::bishopFactor() const {
    double F = 1.0;
    for (int step = 0; step < 500; ++step) {
        double resist = 0;
        for (int k = 1; k <= n_; ++k) {
            const double ma = cos_[k] + sin_[k] * tanFi_[k] / F;
            if (ma == 0) {
                return std::nan("");
            }
            resist += (T_[k] * cos_[k] + P_[k] * tanFi_[k]) / ma;
        }
        const double next = resist / sumD_;
        if (!std::isfinite(next) || next <= 0) {
            return std::nan("");
        }
        if (std::fabs(next - F) < 1e-9 * next) {
            return next;
        }
        F = next;
    }
    return F;
}

bool InterSliceSolver::rootInF(bool force, double lambda, double start, double& F) const {
    auto g = [&](double f) {
        const Residuals r = residuals(f, lambda);
        return r.finite ? (force ? r.force : r.moment) : std::nan("");
    };
    const double accepted = 1e-7 * std::max(1.0, sumP_);
    // Secant from the start.
    double f0 = start, f1 = start * 1.01;
    double g0 = g(f0), g1 = g(f1);
    for (int step = 0; step < 40 && std::isfinite(g0) && std::isfinite(g1) && g1 != g0; ++step) {
        const double f2 = f1 - g1 * (f1 - f0) / (g1 - g0);
        if (!(f2 > 0) || !std::isfinite(f2)) {
            break;
        }
        f0 = f1;
        g0 = g1;
        f1 = f2;
        g1 = g(f1);
        if (std::fabs(f1 - f0) < 1e-10 * f1 && std::fabs(g1) < accepted) {
            F = f1;
            return true;
        }
    }
    // A sign change on a geometric ladder of F, then bisection; a pole is no root.
    const double ratio = std::pow(kHighestTrialF / kLowestTrialF, 1.0 / kTrialFs);
    double lo = kLowestTrialF, glo = g(lo);
    for (int i = 1; i <= kTrialFs; ++i) {
        const double hi = lo * ratio;
        const double ghi = g(hi);
        if (std::isfinite(glo) && std::isfinite(ghi) && (glo < 0) != (ghi < 0)) {
            double a = lo, b = hi, ga = glo;
            for (int j = 0; j < kBisections; ++j) {
                const double m = (a + b) / 2;
                const double gm = g(m);
                if (!std::isfinite(gm)) {
                    break;
                }
                if ((gm < 0) == (ga < 0)) {
                    a = m;
                    ga = gm;
                } else {
                    b = m;
                }
            }
            const double m = (a + b) / 2;
            if (std::fabs(g(m)) < accepted) {
                F = m;
                return true;
            }
        }
        lo = hi;
        glo = ghi;
    }
    return false;
}

bool InterSliceSolver::forceFactor(double lambda, double& F) const {
    return rootInF(true, lambda, start_, F);
}

bool InterSliceSolver::momentFactor(double lambda, double& F) const {
    return rootInF(false, lambda, start_, F);
}

FactorPair InterSliceSolver::factorsAt(double lambda) const {
    FactorPair pair;
    pair.lambda = lambda;
    // A root beyond a vanishing m-alpha is no point of the curve.
    auto sensible = [&](double F) {
        for (int k = 1; k <= n_; ++k) {
            const double theta = std::atan(lambda * fMid_[k]);
            const double m =
                cos_[k] * std::cos(theta) + sin_[k] * std::sin(theta) +
                (sin_[k] * std::cos(theta) - cos_[k] * std::sin(theta)) * tanFi_[k] / F;
            if (m <= 0) {
                return false;
            }
        }
        return true;
    };
    pair.hasForce = forceFactor(lambda, pair.Ff) && sensible(pair.Ff);
    pair.hasMoment = momentFactor(lambda, pair.Fm) && sensible(pair.Fm);
    return pair;
}

bool InterSliceSolver::newton(double& F, double& lambda, InterSliceSolution& out) const {
    for (int step = 0; step < kNewtonSteps; ++step) {
        Slopes slopes;
        const Residuals r = residuals(F, lambda, slopes);
        if (!r.finite) {
            return false;
        }
        const double a = slopes.forceF, b = slopes.forceL;
        const double c = slopes.momentF, d = slopes.momentL;
        const double det = a * d - b * c;
        if (det == 0 || !std::isfinite(det)) {
            return false;
        }
        double stepF = (-r.force * d + b * r.moment) / det;
        double stepL = (-a * r.moment + c * r.force) / det;
        // Short steps far from the solution keep F positive and lambda in its range.
        const double shrink = std::min({1.0, 0.5 * F / std::max(std::fabs(stepF), 1e-300),
                                        0.5 / std::max(std::fabs(stepL), 1e-300)});
        stepF *= shrink;
        stepL *= shrink;
        F += stepF;
        lambda += stepL;
        out.trialF.push_back(F);
        ++out.iterations;
        if (!(F > 0) || !std::isfinite(F) || std::fabs(lambda) > kLambdaRange) {
            return false;
        }
        // The steps shrink quadratically: after one this short F is far inside its tolerance.
        if (std::fabs(stepF) < 0.1 * kFactorTolerance &&
            std::fabs(stepL) < 0.1 * kFactorTolerance) {
            return true;
        }
    }
    return false;
}

bool InterSliceSolver::bracket(double& F, double& lambda, InterSliceSolution& out) const {
    // From lambda = 0 outward, alternately on both sides: the crossing nearest 0 first.
    // Where the curves cross, the force equilibrium holds at the moment factor: the sign of
    // the force residual there tells the side, at half the cost of both factors.
    double guess = start_;
    auto difference = [&](double l, double& Fm) -> double {
        if (!rootInF(false, l, guess, Fm)) {
            return std::nan("");
        }
        guess = Fm;
        const Residuals r = residuals(Fm, l);
        return r.finite ? r.force : std::nan("");
    };
    const int steps = static_cast<int>(std::lround(kLambdaRange / kLambdaScanStep));
    for (int side : {1, -1}) {
        double Fm = 0;
        double lo = 0, dlo = difference(lo, Fm);
        for (int i = 1; i <= steps; ++i) {
            const double hi = side * i * kLambdaScanStep;
            const double dhi = difference(hi, Fm);
            if (std::isfinite(dlo) && std::isfinite(dhi) && (dlo < 0) != (dhi < 0)) {
                double a = lo, b = hi, da = dlo;
                bool sound = true;
                for (int j = 0; j < kBisections && std::fabs(b - a) > 1e-12; ++j) {
                    const double m = (a + b) / 2;
                    const double dm = difference(m, Fm);
                    ++out.iterations;
                    if (!std::isfinite(dm)) {
                        sound = false;
                        break;
                    }
                    if ((dm < 0) == (da < 0)) {
                        a = m;
                        da = dm;
                    } else {
                        b = m;
                    }
                }
                double Fmid = 0;
                const double m = (a + b) / 2;
                double Ff = 0;
                if (sound && std::isfinite(difference(m, Fmid)) && forceFactor(m, Ff) &&
                    std::fabs(Fmid - Ff) < kFactorTolerance) {
                    F = Fmid;
                    lambda = m;
                    return true;
                }
            }
            lo = hi;
            dlo = dhi;
        }
    }
    return false;
}

void InterSliceSolver::fill(double F, double lambda, InterSliceSolution& out) const {
    const std::size_t size = static_cast<std::size_t>(n_) + 2;
    out.E.assign(size, 0.0);
    out.X.assign(size, 0.0);
    out.N.assign(size, 0.0);
    out.Nprime.assign(size, 0.0);
    out.S.assign(size, 0.0);
    out.F = F;
    out.lambda = lambda;
    out.tensionSlices = 0;
    double E = 0;
    for (int k = 1; k <= n_; ++k) {
        const double ma = cos_[k] + sin_[k] * tanFi_[k] / F;
        const double na = sin_[k] - cos_[k] * tanFi_[k] / F;
        const double XL = lambda * fL_[k] * E;
        const double ER = (E * (ma + na * lambda * fL_[k]) + ma * H_[k] + na * P_[k] - T_[k] / F) /
                          (ma + na * lambda * fR_[k]);
        const double N = (P_[k] + XL - lambda * fR_[k] * ER - T_[k] * sin_[k] / F) / ma;
        out.E[k] = E;
        out.X[k] = XL;
        out.N[k] = N;
        out.Nprime[k] = N - u_[k] * l_[k];
        out.S[k] = (T_[k] + N * tanFi_[k]) / F;
        if (out.Nprime[k] < 0) {
            ++out.tensionSlices;
        }
        E = ER;
    }
    // The last boundary closes the mass: its force is the small remainder of the solution.
    out.E[static_cast<std::size_t>(n_) + 1] = E;
    out.X[static_cast<std::size_t>(n_) + 1] = lambda * fR_[static_cast<std::size_t>(n_)] * E;
}

int InterSliceSolver::firstLowMAlphaSlice(double F, double lambda) const {
    for (int k = 1; k <= n_; ++k) {
        const double theta = std::atan(lambda * fMid_[k]);
        const double cosAT = cos_[k] * std::cos(theta) + sin_[k] * std::sin(theta);
        const double sinAT = sin_[k] * std::cos(theta) - cos_[k] * std::sin(theta);
        if (cosAT + sinAT * tanFi_[k] / F <= kLowestMAlpha) {
            return k;
        }
    }
    return 0;
}

InterSliceVerdict InterSliceSolver::admissible(const InterSliceSolution& sol) const {
    if (!(sol.F > 0) || !std::isfinite(sol.F)) {
        return InterSliceVerdict::NoCrossing;
    }
    if (firstLowMAlphaSlice(sol.F, sol.lambda) > 0) {
        return InterSliceVerdict::LowMAlpha;
    }
    if (2 * sol.tensionSlices > n_) {
        return InterSliceVerdict::MostlyInTension;
    }
    return InterSliceVerdict::Solved;
}

void InterSliceSolver::solve(InterSliceSolution& out) {
    out.iterations = 0;
    out.byBracketing = false;
    out.trialF.clear();
    out.lowMAlphaSlice = 0;
    out.bishopF = start_;
    InterSliceVerdict firstRefusal = InterSliceVerdict::NoCrossing;
    double F = std::isfinite(out.bishopF) ? out.bishopF : 1.0;
    double lambda = 0;
    out.trialF.push_back(F);
    if (newton(F, lambda, out)) {
        fill(F, lambda, out);
        out.verdict = admissible(out);
        if (out.verdict == InterSliceVerdict::Solved) {
            return;
        }
        firstRefusal = out.verdict;
    }
    out.byBracketing = true;
    if (bracket(F, lambda, out)) {
        fill(F, lambda, out);
        out.verdict = admissible(out);
        if (out.verdict == InterSliceVerdict::Solved) {
            return;
        }
        if (firstRefusal == InterSliceVerdict::NoCrossing) {
            firstRefusal = out.verdict;
        }
    }
    out.verdict = firstRefusal;
    if (out.verdict == InterSliceVerdict::LowMAlpha) {
        out.lowMAlphaSlice = firstLowMAlphaSlice(out.F, out.lambda);
    }
}

}  // namespace marvecos
