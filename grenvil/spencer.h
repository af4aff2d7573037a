#pragma once

#include <string>

#include "grenvil/slicetable.h"

namespace grenvil {

// What the search shows while it runs: its messages and one line per trial theta.
class SpencerTrace {
public:
    virtual ~SpencerTrace() = default;
    virtual void searchMessage(const std::string& text) = 0;
    virtual void trialTheta(int NP, float FST, float FSM, float theta) = 0;
};

struct SpencerResult {
    // False when the search ended without FST and FSM agreeing: theta beyond +-90 degrees, theta
    // swinging between two neighbours, a force search that never converges, or a slice force
    // that cannot be computed. FST, FSM and theta are then the values reached.
    bool converged = false;
    float FST = 0;
    float FSM = 0;
    float theta = 0;  // radians
};

// Spencer's search of the interslice-force inclination theta at which the factors of safety
// from force and from moment equilibrium agree, on slices made by prepareSlices.
SpencerResult runSpencer(const SpencerInput& in, SliceTable& table, SpencerTrace& trace);

}  // namespace grenvil
