#include "drovines/section.h"

#include <cmath>

#include "drovines/wall.h"

namespace drovines {

SectionGeometry sectionGeometry(double b1, double H, double alfa, double alfa2) {
    SectionGeometry g;
    g.xa = H * std::tan(alfa);
    g.xf = H * std::tan(alfa2);
    g.B = b1 + g.xf + g.xa;
    g.psi = kPi / 2 - alfa;
    return g;
}

}  // namespace drovines
