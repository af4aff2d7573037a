#pragma once

// What each slice of a circle carries on the ground model: the quantities Bishop, Janbu and
// any method with interslice forces work on. Double precision, no files, no messages.
//
// The slices are those of computeSliceGeometry (slicegeometry.h) on the slope H, L: slice k
// lies between boundaries k and k+1, its base is the chord of the circle between (X[k], Y[k])
// and (X[k+1], Y[k+1]), its top the ground between (X[k], YS[k]) and (X[k+1], YS[k+1]) (the
// crest edge and the toe are always boundaries, so the top is one straight piece). Every
// vector holds slices 1..slices; element 0 is unused.

#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/model/groundmodel.h"

namespace marvecos {

struct ModelSlices {
    int slices = 0;
    double Xcr = 0, Ycr = 0, R = 0;  // the circle, m

    // Where the slice lies, m.
    std::vector<double> xLeft, xRight, xMid;    // its sides and its middle
    std::vector<double> b;                      // width xRight - xLeft
    std::vector<double> xBase, yBase;           // middle of the base chord
    std::vector<double> yBaseLeft, yBaseRight;  // slip surface at the sides
    std::vector<double> yTopLeft, yTopRight;    // ground at the sides

    // The base: the sine, cosine and tangent of its inclination alpha (positive where the base
    // descends toward the toe, +x; alpha itself is atan2(sinA, cosA)), its length
    // l = b / cos(alpha), and its strength: that of the layer at its middle, or, for a base
    // that crosses a layer boundary, c and tan(fi) of the layers along it in proportion to its
    // length in each.
    std::vector<double> sinA, cosA, tanA, l;
    std::vector<int> baseLayer;  // at its middle: 0 the top soil of the fields, i >= 1 layer i
    std::vector<double> c;       // kN/m2
    std::vector<double> fi;      // degrees (atan of tanFi for a base across layers)
    std::vector<double> tanFi;   // tan(fi), pi taken as 3.1416 as everywhere in the program
    std::vector<double> u;       // pore pressure at the middle of the base, kN/m2

    // Forces on the slice, kN/m.
    std::vector<double> W;   // weight: the sum of its parts of every layer
    std::vector<double> Q;   // vertical surface load on its top (strip and line loads)
    std::vector<double> xQ;  // x where Q acts (xMid when Q is zero)
    std::vector<double> kW;  // seismic force kh*W, horizontal, toward the toe (+x)
    std::vector<double> yG;  // its lever: y of the slice's centre of gravity
    // Water ponded on the slice's top (piezometric line above the ground): the pressure
    // gamw*(y_water - y_ground) normal to the surface, as a vertical force pondV (downward),
    // a horizontal force pondH (toward the slope, -x, when positive) acting at (xPond, yPond),
    // and their moment about the circle's centre in the sense that drives the mass, pondM
    // (kN*m/m) = pondV*(Xcr - xPond) - pondH*(Ycr - yPond).
    std::vector<double> pondV, pondH, xPond, yPond, pondM;

    // The slice's strength times the factor of safety with the base's normal force of the
    // vertical loads alone: c*b + (W + Q + pondV - u*b)*tanFi (the numerator of Bishop and
    // Janbu).
    std::vector<double> resisting;

    // Sums over the slices.
    double sumW = 0;

    // Working memory kept from circle to circle: the layer boundaries and the piezometric line
    // at every side of a slice, and the parts of the soil column at the two sides of a slice.
    std::vector<double> boundaryAtSides, waterAtSides;
    std::vector<double> leftLo, leftHi, rightLo, rightHi;
};

enum class ModelSliceStatus {
    Ok,
    BelowBase,  // the sliding mass reaches below the model's base
};

// The slice quantities of the circle (Xcr, Ycr, R) whose slices g were cut on the slope H, L
// with the top soil of the fields. out keeps its capacity from call to call.
ModelSliceStatus modelSlices(const SliceGeometry& g, double Xcr, double Ycr, double R, double H,
                             double L, const Soil& topSoil, const GroundModel& model,
                             ModelSlices& out);

}  // namespace marvecos
