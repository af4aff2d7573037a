#include "fendrolas/methods/bearingfactors.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace fendrolas {

double sharedNq(double phi) {
    const double t = std::tan(kPi / 4 + phi / 2);
    return std::pow(kE, kPi * std::tan(phi)) * (t * t);
}

double sharedNc(double phi, double Nq) {
    if (phi == 0) {
        return kPi + 2;
    }
    return (Nq - 1) * (1 / std::tan(phi));
}

bool factorsInRange(double Nc, double Nq, double Ngamma) {
    const double largest = std::numeric_limits<float>::max();
    for (double N : {Nc, Nq, Ngamma}) {
        if (!std::isfinite(N) || std::fabs(N) > largest) {
            return false;
        }
    }
    return true;
}

}  // namespace fendrolas
