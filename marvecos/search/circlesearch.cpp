#include "marvecos/search/circlesearch.h"

#include <algorithm>
#include <thread>

#include "marvecos/checks.h"
#include "marvecos/methods/circlefactor.h"

namespace marvecos {

namespace {

// Circles a search works out before it summarises them and hands them on: enough to keep two
// threads busy, few enough to keep the memory small whatever the grid.
constexpr long kCirclesPerBlock = 1 << 16;

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
        case CircleVerdict::BelowBase:
            return SkipReason::BelowBase;
        default:
            return SkipReason::IterationFailed;
    }
}

// Works through the circles of one thread, keeping its memory from circle to circle.
class CircleEvaluator {
public:
    CircleEvaluator(SliceMethod method, const SlopeProblem& p, const GroundModel& model)
        : method_(method), p_(p), model_(model), plain_(usesNoNewInputs(model)) {}

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
        const CircleVerdict verdict = plain_ ? factorOnSlices(method_, p_, g_, work_)
                                             : factorOnModel(method_, p_, model_, g_, work_);
        circle.reason = verdictReason(verdict);
        if (circle.reason == SkipReason::None) {
            circle.fs = work_.it.result;
        }
        return circle;
    }

private:
    SliceMethod method_;
    SlopeProblem p_;
    const GroundModel& model_;
    bool plain_;
    SilentMessages silent_;
    SliceGeometry g_;
    FactorWork work_;
};

// The circles of one block of centres, first..last-1, as the threads share them out.
struct Block {
    int first = 0, last = 0;
    std::vector<SearchCircle> circles;  // circle j of centre c at (c - first) * radii + j
    std::atomic<int> next{0};
};

void searchCentre(CircleEvaluator& evaluator, const SlopeProblem& p, const GroundModel& model,
                  const SearchResult& result, Block& block, int centre) {
    const SearchGrid& grid = result.grid;
    const double Xcr = result.centreX(centre % grid.x.count);
    const double Ycr = result.centreY(centre / grid.x.count);
    SearchCircle* circles =
        &block.circles[static_cast<std::size_t>(centre - block.first) * grid.radii()];
    for (int j = 0; j < grid.radii(); ++j) {
        circles[j] =
            evaluator.evaluate(Xcr, Ycr, gridRadius(grid, p.H, p.L, Xcr, Ycr, j, model.base));
    }
}

// Threads take the next centre not yet taken until the block is done or the caller cancels.
void searchBlock(CircleEvaluator& evaluator, const SlopeProblem& p, const GroundModel& model,
                 const SearchResult& result, Block& block, const SearchControl& control) {
    while (!(control.cancel && control.cancel->load(std::memory_order_relaxed))) {
        const int centre = block.next.fetch_add(1, std::memory_order_relaxed);
        if (centre >= block.last) {
            return;
        }
        searchCentre(evaluator, p, model, result, block, centre);
        if (control.centresDone) {
            control.centresDone->fetch_add(1, std::memory_order_relaxed);
        }
    }
}

// The map, the counts and the critical circle of the centres of a block that were finished, in
// grid order whatever thread did what; then their circles are handed on.
void summarise(SearchResult& result, const Block& block, int finished,
               const SearchControl& control) {
    const SearchGrid& grid = result.grid;
    for (int centre = block.first; centre < finished; ++centre) {
        const SearchCircle* circles =
            &block.circles[static_cast<std::size_t>(centre - block.first) * grid.radii()];
        CentreFactor& cell = result.map[static_cast<std::size_t>(centre)];
        for (int j = 0; j < grid.radii(); ++j) {
            const SearchCircle& circle = circles[j];
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
        if (control.keepCircles) {
            std::copy(circles, circles + grid.radii(),
                      result.circles.begin() + static_cast<std::ptrdiff_t>(centre) * grid.radii());
        }
        if (control.sink) {
            control.sink->centreDone(result, centre, circles, grid.radii());
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
    return searchCriticalCircle(method, p, GroundModel{}, grid, control);
}

SearchResult searchCriticalCircle(SliceMethod method, const SlopeProblem& p,
                                  const GroundModel& model, const SearchGrid& grid,
                                  const SearchControl& control) {
    SearchResult result;
    result.grid = grid;
    if (grid.x.count < 1 || grid.y.count < 1 || grid.r.count < 1 ||
        grid.circles() > kMaxSearchCircles) {
        return result;
    }
    if (control.keepCircles) {
        result.circles.assign(static_cast<std::size_t>(grid.circles()), SearchCircle{});
    }
    result.map.assign(static_cast<std::size_t>(grid.centres()), CentreFactor{});

    const int threads = std::clamp(control.threads, 1, 64);
    std::vector<CircleEvaluator> evaluators(static_cast<std::size_t>(threads),
                                            CircleEvaluator(method, p, model));
    const int centresPerBlock =
        static_cast<int>(std::max(1L, kCirclesPerBlock / std::max(1, grid.radii())));
    Block block;
    block.circles.assign(static_cast<std::size_t>(centresPerBlock) * grid.radii(), SearchCircle{});
    for (int first = 0; first < grid.centres(); first += centresPerBlock) {
        block.first = first;
        block.last = std::min(grid.centres(), first + centresPerBlock);
        block.next = first;
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t) {
            helpers.emplace_back([&, t]() {
                searchBlock(evaluators[static_cast<std::size_t>(t)], p, model, result, block,
                            control);
            });
        }
        searchBlock(evaluators[0], p, model, result, block, control);
        for (std::thread& helper : helpers) {
            helper.join();
        }
        // Centres are handed out in order, so the ones below the counter are all finished once
        // the threads are joined.
        const int finished = std::min(block.next.load(), block.last);
        summarise(result, block, finished, control);
        result.centresTried = finished;
        if (finished < block.last) {
            break;
        }
    }
    result.cancelled = result.centresTried < grid.centres();
    return result;
}

}  // namespace marvecos
