#include "marvecos/search/circlesearch.h"

#include <algorithm>
#include <thread>

#include "marvecos/checks.h"
#include "marvecos/methods/circlefactor.h"

namespace marvecos {

namespace {

// Circles the window would refuse with a message are simply counted here.
class SilentMessages : public common::MessageSink {
public:
    void show(const std::string&, const std::string&, common::MessageIcon) override {}
};

SkipReason geometryReason(GeometryStatus status) {
    switch (status) {
        case GeometryStatus::Ok:
            return SkipReason::None;
        case GeometryStatus::NoFaceCrossing:
        case GeometryStatus::NoCrestLevel:
        case GeometryStatus::OutsideCircle:
            return SkipReason::MissesSlope;
        default:
            return SkipReason::SliceLayout;
    }
}

SkipReason verdictReason(CircleVerdict verdict) {
    switch (verdict) {
        case CircleVerdict::Converged:
            return SkipReason::None;
        case CircleVerdict::NotConverged:
            return SkipReason::NotConverged;
        case CircleVerdict::ZeroWidthSlices:
            return SkipReason::ZeroWidthSlices;
        case CircleVerdict::NoDrivingWeight:
            return SkipReason::NoDrivingWeight;
        case CircleVerdict::FactorNotPositive:
            return SkipReason::FactorNotPositive;
        default:
            return SkipReason::IterationFailed;
    }
}

// Works through the circles of one thread, keeping its memory from circle to circle.
class CircleEvaluator {
public:
    CircleEvaluator(SliceMethod method, const SlopeProblem& p) : method_(method), p_(p) {}

    SearchCircle evaluate(double Xcr, double Ycr, double R) {
        SearchCircle circle;
        circle.R = R;
        p_.Xcr = Xcr;
        p_.Ycr = Ycr;
        p_.R = R;
        if (!checkSlopeProblem(p_, silent_)) {
            circle.reason = SkipReason::RefusedCircle;
            return circle;
        }
        computeSliceGeometry(geometryInput(p_), g_);
        circle.reason = geometryReason(g_.status);
        if (circle.reason != SkipReason::None) {
            return circle;
        }
        circle.caso = static_cast<std::int8_t>(g_.caso);
        circle.reason = verdictReason(factorOnSlices(method_, p_, g_, work_));
        if (circle.reason == SkipReason::None) {
            circle.fs = work_.it.result;
        }
        return circle;
    }

private:
    SliceMethod method_;
    SlopeProblem p_;
    SilentMessages silent_;
    SliceGeometry g_;
    FactorWork work_;
};

void searchCentre(CircleEvaluator& evaluator, const SlopeProblem& p, SearchResult& result,
                  int centre) {
    const SearchGrid& grid = result.grid;
    const double Xcr = result.centreX(centre % grid.x.count);
    const double Ycr = result.centreY(centre / grid.x.count);
    SearchCircle* circles = &result.circles[static_cast<std::size_t>(centre) * grid.radii()];
    for (int j = 0; j < grid.radii(); ++j) {
        circles[j] = evaluator.evaluate(Xcr, Ycr, gridRadius(grid, p.H, p.L, Xcr, Ycr, j));
    }
}

// Threads take the next centre not yet taken until none is left or the caller cancels.
void searchCentres(SliceMethod method, const SlopeProblem& p, SearchResult& result,
                   std::atomic<int>& nextCentre, const SearchControl& control) {
    CircleEvaluator evaluator(method, p);
    const int centres = result.grid.centres();
    while (!(control.cancel && control.cancel->load(std::memory_order_relaxed))) {
        const int centre = nextCentre.fetch_add(1, std::memory_order_relaxed);
        if (centre >= centres) {
            return;
        }
        searchCentre(evaluator, p, result, centre);
        if (control.centresDone) {
            control.centresDone->fetch_add(1, std::memory_order_relaxed);
        }
    }
}

// The map, the counts and the critical circle, in grid order whatever thread did what.
void summarise(SearchResult& result) {
    const SearchGrid& grid = result.grid;
    for (int centre = 0; centre < result.centresTried; ++centre) {
        CentreFactor& cell = result.map[centre];
        for (int j = 0; j < grid.radii(); ++j) {
            const SearchCircle& circle =
                result.circles[static_cast<std::size_t>(centre) * grid.radii() + j];
            ++result.counts[static_cast<int>(circle.reason)];
            if (circle.reason != SkipReason::None) {
                continue;
            }
            if (!cell.found || circle.fs < cell.fs) {
                cell = CentreFactor{true, circle.fs, circle.R};
            }
            if (!result.found || circle.fs < result.critical.fs) {
                result.found = true;
                result.critical = CriticalCircle{result.centreX(centre % grid.x.count),
                                                 result.centreY(centre / grid.x.count), circle.R,
                                                 circle.fs, circle.caso};
            }
        }
    }
}

}  // namespace

int SearchResult::withoutFactor() const {
    int total = 0;
    for (int i = 1; i < kSkipReasonCount; ++i) {
        total += counts[i];
    }
    return total;
}

SearchResult searchCriticalCircle(SliceMethod method, const SlopeProblem& p, const SearchGrid& grid,
                                  const SearchControl& control) {
    SearchResult result;
    result.grid = grid;
    if (grid.x.count < 1 || grid.y.count < 1 || grid.r.count < 1 ||
        grid.circles() > kMaxSearchCircles) {
        return result;
    }
    result.circles.assign(static_cast<std::size_t>(grid.circles()), SearchCircle{});
    result.map.assign(static_cast<std::size_t>(grid.centres()), CentreFactor{});

    std::atomic<int> nextCentre{0};
    const int threads = std::clamp(control.threads, 1, 64);
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        helpers.emplace_back([&]() { searchCentres(method, p, result, nextCentre, control); });
    }
    searchCentres(method, p, result, nextCentre, control);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    // Centres are handed out in order, so the ones below the counter are all finished once
    // the threads are joined.
    result.centresTried = std::min(nextCentre.load(), grid.centres());
    result.cancelled = result.centresTried < grid.centres();
    summarise(result);
    return result;
}

}  // namespace marvecos
