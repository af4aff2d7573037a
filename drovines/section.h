#pragma once

namespace drovines {

// The trapezoidal section of the wall from its crest, height and the two face angles
// (radians): the calculation, the report and the drawing all take it from here.
struct SectionGeometry {
    double xa = 0;   // horizontal projection of the back face
    double xf = 0;   // horizontal projection of the front face
    double B = 0;    // width of the base
    double psi = 0;  // back face with the horizontal, radians
};

SectionGeometry sectionGeometry(double b1, double H, double alfa, double alfa2);

}  // namespace drovines
