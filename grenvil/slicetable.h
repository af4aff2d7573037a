#pragma once

#include <array>

namespace grenvil {

// The answers to the prompts, in single precision as the program reads them.
struct SpencerInput {
    float FI = 0;   // angle of internal friction, degrees
    float C = 0;    // cohesion, kN/m2
    float GAM = 0;  // unit weight, kN/m3
    float H = 0;    // height of the slope, m
    float L = 0;    // horizontal length of the face, m
    float XCR = 0;  // centre of the circle, m
    float YCR = 0;
    float R = 0;  // radius, m
    int N = 0;    // number of slices
};

// Boundaries 1..N+1 and slices 1..N; element 0 is unused.
constexpr int kMaxSlices = 104;
constexpr int kEntries = kMaxSlices + 2;

// The slices of one calculation. The table lives as long as the program runs: where a slice has no
// base length its angles are not recomputed and keep the values they last had.
struct SliceTable {
    int caso = 0;
    int n = 0;
    std::array<float, kEntries> X{}, Y{}, YS{}, DY{};
    std::array<float, kEntries> dxx{}, A{}, L1{}, w{}, sen{}, cos{};
    float sumL = 0, sumWcos = 0, sumWsen = 0;
    // Base inclination and its angle to the interslice forces at the current theta.
    std::array<float, kEntries> alpha{}, cosAT{}, tanAT{};
};

// The circle must cut the line of the slope face: the discriminant of its intersection.
bool circleCutsFaceLine(const SpencerInput& in);

// Slices and their weights for the input. False when the data describe no sliding mass the
// program can cut into slices: the radius is not positive, the circle misses the face line, the
// crest level or a boundary, a group of slices is empty, N is outside 1..104, or the slices carry
// no driving weight toward the toe.
bool prepareSlices(const SpencerInput& in, SliceTable& table);

// alpha, cos(alpha - theta) and tan(alpha - theta) for every slice with a base length.
void updateAngles(SliceTable& table, float theta);

}  // namespace grenvil
