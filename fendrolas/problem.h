#pragma once

#include <array>
#include <string>

namespace fendrolas {

constexpr int kStates = 5;

// Load arrays are indexed by state 1..5; element 0 is unused.
using StateArray = std::array<float, kStates + 1>;

// The foundation problem as it stands in the 32 fields of the main window.
struct LoadState {
    float V = 0, Qx = 0, Qy = 0, Mxz = 0, Myz = 0;
};

struct FoundationProblem {
    float fi = 0, c = 0, g = 0, w = 0;
    float Lx = 0, Ly = 0, df = 0;
    std::array<LoadState, kStates + 1> states{};  // 1..5
};

// Field names of the main window: soilField(6) is "Text6" (fi) .. soilField(12) "Text12" (df);
// loadField(1..5 for V, Qx, Qy, Mxz, Myz, state 1..5) is "Text1_0" .. "Text5_4".
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
};

}  // namespace fendrolas
