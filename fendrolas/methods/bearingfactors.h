#pragma once

namespace fendrolas {

// The constants of the Meyerhof, Brinch Hansen, Vesic and CCSR Mza87 modules. They are not the
// 3.14159 with which the driver turned the entered angle into radians; both are used as given.
constexpr double kE = 2.718281828;
constexpr double kPi = 3.141592654;

// Nq = e^(pi tan phi) tan^2(pi/4 + phi/2), the overburden factor the four methods share.
double sharedNq(double phi);

// Nc = (Nq - 1) cot phi. At phi = 0 the cotangent is undefined; the value there is the limit of
// the formula, pi + 2, the cohesion factor of a frictionless soil.
double sharedNc(double phi, double Nq);

// The three bearing-capacity factors of one run.
struct BearingFactors {
    double Nq = 0, Nc = 0, Ngamma = 0;
};

// True when the three factors fit the single-precision table. Near phi = 90 degrees Nq
// overflows; no result of such a run can be stored.
bool factorsInRange(double Nc, double Nq, double Ngamma);

}  // namespace fendrolas
