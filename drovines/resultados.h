#pragma once

#include <array>

namespace drovines {

// Where each figure of a wall calculation sits in the result vector. The numbering is the one
// the results window's field arrays and the report follow: 1-10 and 50 come from the thrust,
// 11-45 from the stability check.
namespace idx {
constexpr int ka = 1;
constexpr int zo = 2;
constexpr int S1 = 3;
constexpr int S2 = 4;
constexpr int E1 = 5;
constexpr int E2 = 6;
constexpr int Ew = 7;
constexpr int Eq = 8;
constexpr int Ea = 9;
constexpr int d = 10;
constexpr int Pm = 11;
constexpr int Wm = 12;
constexpr int Eah = 13;
constexpr int Eav = 14;
constexpr int Es = 15;
constexpr int M1 = 16;
constexpr int M2 = 17;
constexpr int Mw = 18;
constexpr int Mq = 19;
constexpr int Ms = 20;
constexpr int MV = 21;
constexpr int Mem = 22;
constexpr int Msq = 23;
constexpr int Me1 = 24;
constexpr int Me2 = 25;
constexpr int Meq = 26;
constexpr int MEV = 27;
constexpr int fsm = 28;
constexpr int PmV = 29;  // wall weight among the vertical loads
constexpr int Ps = 30;
constexpr int V1 = 31;
constexpr int V2 = 32;
constexpr int V3 = 33;
constexpr int N = 34;
constexpr int Nef = 35;
constexpr int ex = 36;
constexpr int Nu = 37;
constexpr int fsn = 38;
constexpr int H1 = 39;
constexpr int H2 = 40;
constexpr int Hw = 41;
constexpr int Hq = 42;
constexpr int FH = 43;
constexpr int Fdo = 44;
constexpr int Fsd = 45;
constexpr int S3 = 50;
// The seismic figures of Mononobe-Okabe.
constexpr int theta = 51;     // seismic angle, degrees
constexpr int Kae = 52;       // seismic active coefficient
constexpr int thetaSub = 53;  // seismic angle below the water table, degrees
constexpr int KaeSub = 54;    // seismic active coefficient below the water table
constexpr int Pae = 55;       // seismic active thrust of soil and surcharge
constexpr int dPae = 56;      // its increment over the static thrust
constexpr int ydPae = 57;     // height of the increment above the base
constexpr int HdPae = 58;     // horizontal component of the increment
constexpr int VdPae = 59;     // vertical component of the increment
constexpr int MdPae = 60;     // overturning moment of the increment
constexpr int MedPae = 61;    // stabilising moment of its vertical component
constexpr int Hi = 62;        // inertia of the wall, horizontal
constexpr int Mi = 63;        // overturning moment of the inertia of the wall
constexpr int last = 63;
}  // namespace idx

// The result vector, single precision, used from index 1 (index 0 and 46 to 49 stay 0; the
// seismic figures from 51 on stay 0 outside Mononobe-Okabe). A factor of safety that is not a
// result (its check said why) holds a NaN and shows no figure.
using Resultados = std::array<float, idx::last + 1>;

}  // namespace drovines
