#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "marvecos/methods/iteration.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"
#include "marvecos/search/searchgrid.h"

namespace marvecos {

// Why a circle of the search has no factor of safety; None when it has one.
enum class SkipReason : std::uint8_t {
    None,
    RefusedCircle,      // centre at the origin or zero radius, which "Calcular" refuses
    MissesSlope,        // the circle does not cut the ground as the slices need
    SliceLayout,        // the slices cannot be laid out (or numbers too large)
    ZeroWidthSlices,    // slices of zero width
    NoDrivingWeight,    // nothing drives the mass toward the toe
    IterationFailed,    // division by zero or a value out of range in the iteration
    FactorNotPositive,  // the factor comes out zero, negative or not a number
    NotConverged,       // the iteration did not converge
    BelowBase,          // the sliding mass reaches below the base of the ground model
};
constexpr int kSkipReasonCount = 10;

// One circle of the grid.
struct SearchCircle {
    double R = 0;
    double fs = 0;  // meaningful only when reason is None
    SkipReason reason = SkipReason::None;
    std::int8_t caso = 0;
};

// The lowest factor over the radii of one centre.
struct CentreFactor {
    bool found = false;
    double fs = 0;
    double R = 0;
};

struct CriticalCircle {
    double Xcr = 0, Ycr = 0, R = 0;
    double fs = 0;
    int caso = 0;
};

struct SearchResult {
    SearchGrid grid;
    // Circle j of centre (ix, iy) is circles[(iy * grid.x.count + ix) * grid.radii() + j].
    std::vector<SearchCircle> circles;
    // Centre (ix, iy) is map[iy * grid.x.count + ix].
    std::vector<CentreFactor> map;
    // Circles by reason; counts[None] are those with a factor of safety.
    std::array<int, kSkipReasonCount> counts{};
    bool found = false;  // some circle has a factor of safety
    CriticalCircle critical;
    // Centres 0..centresTried-1 were tried; fewer than all when the search was cancelled.
    int centresTried = 0;
    bool cancelled = false;

    double centreX(int ix) const { return axisPoint(grid.x, ix); }
    double centreY(int iy) const { return axisPoint(grid.y, iy); }
    int withFactor() const { return counts[0]; }
    int withoutFactor() const;
};

// Takes the circles of each centre as the search finishes them, in grid order: what a search
// writes as it goes, so that its memory grows with the centres and not with the circles.
class CircleSink {
public:
    virtual ~CircleSink() = default;
    virtual void centreDone(const SearchResult& result, int centre, const SearchCircle* circles,
                            int count) = 0;
};

// How a caller follows and stops a search running on other threads.
struct SearchControl {
    int threads = 1;
    const std::atomic<bool>* cancel = nullptr;  // set by the caller to stop early
    std::atomic<int>* centresDone = nullptr;    // counted up as centres are finished
    // Keep every circle in SearchResult::circles (a grid of 10 million circles takes some
    // 240 MB); without it only the map, the counts and the critical circle stay.
    bool keepCircles = true;
    CircleSink* sink = nullptr;  // given every centre's circles in grid order
};

// The factor of safety of every circle of the grid, each by the same slices and iteration as
// "Calcular" on that circle (the problem's own Xcr, Ycr and R are not used), with no file
// and no message; the critical circle is the lowest factor, the first in grid order on a tie.
SearchResult searchCriticalCircle(SliceMethod method, const SlopeProblem& p, const SearchGrid& grid,
                                  const SearchControl& control = {});

// The same on the ground model below the fields' soil; a model with a base limits the radii
// so that the deepest circle of a centre just reaches the base.
SearchResult searchCriticalCircle(SliceMethod method, const SlopeProblem& p,
                                  const GroundModel& model, const SearchGrid& grid,
                                  const SearchControl& control = {});

}  // namespace marvecos
