#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "common/messages.h"
#include "fendrolas/methods/frame.h"
#include "fendrolas/methods/methodresults.h"
#include "fendrolas/problem.h"
#include "fendrolas/tests/testfolder.h"

namespace fendrolas::testing {

// Angle in degrees as the driver hands it to a method (converted with 3.14159, single).
inline float phiOf(double degrees) {
    return static_cast<float>(degrees * 3.14159 / 180);
}

// phi 30, c 10, gamma 18, Lx 2, Ly 3, df 1, V = 1000 in state 1, other states empty.
inline MethodInput exampleInput() {
    MethodInput in;
    in.phi = phiOf(30);
    in.c = 10;
    in.gamma = 18;
    in.Lx = 2;
    in.Ly = 3;
    in.df = 1;
    in.V[1] = 1000;
    return in;
}

// A method run in a folder of its own, with every box recorded.
struct MethodRun {
    TestFolder folder;
    common::RecordingMessages messages;
    RecordingPartialResults partial;
    MethodTables tables;
    CalculationContext context{messages, partial, tables, folder.path()};
};

inline bool tableIsFinite(const MethodResults& table) {
    for (const auto& row : table.cell) {
        for (float value : row) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return std::isfinite(table.Nc) && std::isfinite(table.Nq) && std::isfinite(table.Ngamma);
}

inline bool textHasNoNonFinite(const std::string& text) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf", "INF", "NAN"}) {
        if (text.find(bad) != std::string::npos) {
            return false;
        }
    }
    return true;
}

// True when the frame had to clear values the method left not finite: a method must never
// leave it any.
inline bool frameClearedValues(const common::RecordingMessages& messages) {
    for (const common::Message& m : messages.shown) {
        if (m.text.find("no da resultados finitos") != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Inputs at the edges of what validation lets through, or what a caller may hand over:
// frictionless soil, tiny and very large angles, no overburden, loads far more inclined than
// the angle of friction, moments close to the edge of the base, empty states between loaded
// ones, a negative cohesion.
inline std::vector<MethodInput> awkwardInputs() {
    std::vector<MethodInput> inputs;
    const double angles[] = {0, 1e-6, 0.5, 5, 30, 45, 60, 80, 87, 88, 89.9, 90, 120, -10};
    for (double degrees : angles) {
        for (int variant = 0; variant < 4; ++variant) {
            MethodInput in;
            in.phi = phiOf(degrees);
            in.c = variant == 3 ? -5.0f : 20.0f;
            in.gamma = 18;
            in.Lx = 2;
            in.Ly = variant == 1 ? 2.0f : 3.0f;
            in.df = variant == 2 ? 0.0f : 1.5f;
            in.V = {0, 0, 500, 0, 1e-3f, 1e9f};
            in.Qx = {0, 40, 0, 25, 10, 3e8f};
            in.Qy = {0, 0, 900, 0, 0, 1e9f};
            in.Mxz = {0, 0, 400, 0, 0, 9.99e8f};
            in.Myz = {0, 0, 0, 0, 0, 1.49e9f};
            inputs.push_back(in);
        }
    }
    return inputs;
}

}  // namespace fendrolas::testing
