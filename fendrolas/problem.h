#pragma once

#include <array>
#include <string>

namespace fendrolas {

constexpr int kStates = 5;

// Load arrays are indexed by state 1..5; element 0 is unused.
using StateArray = std::array<float, kStates + 1>;

// The water table: its depth dw below the ground surface (m) and the saturated unit weight gsat
// of the soil (kN/m3). Without one (an empty dw field) the soil is dry, as it always was.
struct WaterTable {
    bool present = false;
    float dw = 0;
    float gsat = 0;
};

// The foundation problem as it stands in the fields of the main window: 32 always, the water
// table's two when dw is given.
struct LoadState {
    float V = 0, Qx = 0, Qy = 0, Mxz = 0, Myz = 0;
};

struct FoundationProblem {
    float fi = 0, c = 0, g = 0, w = 0;
    float Lx = 0, Ly = 0, df = 0;
    std::array<LoadState, kStates + 1> states{};  // 1..5
    WaterTable water;
};

// Field numbers of the main window: soilField(kFieldFi) is "Text6" .. soilField(kFieldDf)
// "Text12"; loadField(kColumnV .. kColumnMyz, state 1..5) is "Text1_0" .. "Text5_4".
constexpr int kFieldFi = 6;
constexpr int kFieldC = 7;
constexpr int kFieldG = 8;
constexpr int kFieldW = 9;
constexpr int kFieldLx = 10;
constexpr int kFieldLy = 11;
constexpr int kFieldDf = 12;
constexpr int kFirstSoilField = kFieldFi;
constexpr int kLastSoilField = kFieldDf;
// The water table's fields, in "Datos del suelo" below the water content.
constexpr int kFieldDw = 13;
constexpr int kFieldGsat = 14;

constexpr int kColumnV = 1;
constexpr int kColumnQx = 2;
constexpr int kColumnQy = 3;
constexpr int kColumnMxz = 4;
constexpr int kColumnMyz = 5;

std::string soilField(int number);
std::string loadField(int column, int state);

// What validar leaves in the main window's data; it persists between calculations.
struct WindowData {
    float w = 0, Lx = 0, Ly = 0, df = 0;
    StateArray V{}, Qx{}, Qy{}, Mxz{}, Myz{};
};

// The values every method receives.
struct MethodInput {
    float phi = 0;  // radians
    float c = 0;
    float gamma = 0;  // moist unit weight
    float w = 0, Lx = 0, Ly = 0, df = 0;
    StateArray V{}, Qx{}, Qy{}, Mxz{}, Myz{};
    WaterTable water;
};

}  // namespace fendrolas
