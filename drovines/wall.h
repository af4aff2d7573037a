#pragma once

#include <string>

namespace drovines {

// Every angle of the wall program is converted with this value, not with the full pi.
constexpr double kPi = 3.1416;

inline double radians(double degrees) {
    return degrees * kPi / 180;
}

// The method code held by the main window and stored on line 13 of a data file.
enum class Method { None = 0, Rankine = 1, Coulomb = 2, MononobeOkabe = 3 };

// The two tick boxes of the main window that the thrust methods read.
struct TickBoxes {
    bool check1 = false;  // "Considerar la cuña de suelo en la estabilidad"
    bool check2 = false;  // "Considerar angulo delta"
};

// The validated problem, in the units the methods work with: angles in radians except delta2,
// water content as a fraction; xf, xa, B and psi derived from the geometry. It is read from
// the fields once; the methods read nothing else.
struct WallRecord {
    double w = 0;
    double gam = 0;
    double fi = 0;
    double co = 0;
    double beta = 0;
    double b1 = 0;
    double H = 0;
    double alfa = 0;
    double alfa2 = 0;
    double delta = 0;
    double q = 0;
    double xf = 0;
    double xa = 0;
    double B = 0;
    double psi = 0;
    double hn = 0;
    double delta2 = 0;  // degrees
    double gm = 0;      // unit weight of the wall
    double df = 0;      // foundation depth below the front ground
    double kh = 0;      // horizontal seismic coefficient (Mononobe-Okabe only)
    double kv = 0;      // vertical seismic coefficient, positive upward
};

// A method runs only on a wall with soil weight, crest, height and base; otherwise the
// calculation command ends without a word.
inline bool wallCanBeComputed(const WallRecord& r) {
    return r.gam != 0 && r.b1 != 0 && r.H != 0 && r.B != 0;
}

const std::string kProgramTitle = "Drovines";

// objectNames of the entry fields of the main window.
namespace field {
const std::string gam = "gam";
const std::string fi = "fi";
const std::string co = "co";
const std::string beta = "beta";
const std::string w = "w";
const std::string hn = "hn";
const std::string b1 = "b1";
const std::string H = "H";
const std::string alfa = "alfa";
const std::string alfa2 = "alfa2";
const std::string delta = "delta";
const std::string df = "df";
const std::string delta2 = "delta2";
const std::string gm = "gm";
const std::string q = "q";
const std::string kh = "kh";
const std::string kv = "kv";
}  // namespace field

}  // namespace drovines
