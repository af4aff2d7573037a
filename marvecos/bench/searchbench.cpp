// Times the search of the critical circle on one core: circles of 50 slices by Bishop over a
// grid of centres and radii around an ordinary slope. Prints the figure as its last line.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "marvecos/search/circlesearch.h"

namespace {

// Every allocation of the program is counted, to show that none is made per circle.
std::atomic<long> allocations{0};

// Circles per second of one method on the grid, searches repeated for a second and a half.
double circlesPerSecond(marvecos::SliceMethod method, const marvecos::SlopeProblem& p,
                        const marvecos::SearchGrid& grid) {
    using Clock = std::chrono::steady_clock;
    marvecos::searchCriticalCircle(method, p, grid);
    long circles = 0;
    const Clock::time_point start = Clock::now();
    double seconds = 0;
    while (seconds < 1.5) {
        marvecos::searchCriticalCircle(method, p, grid);
        circles += grid.circles();
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return circles / seconds;
}

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main() {
    using Clock = std::chrono::steady_clock;
    marvecos::SlopeProblem p;
    p.fi = 20;
    p.c = 10;
    p.gam = 18;
    p.H = 10;
    p.L = 20;
    p.n = 50;
    p.method = marvecos::kBishop;
    marvecos::SearchGrid grid = marvecos::defaultSearchGrid(p.H, p.L);
    grid.x.count = 41;
    grid.y.count = 41;

    // One search to warm up, then as many as fill a second and a half.
    marvecos::SearchResult result =
        marvecos::searchCriticalCircle(marvecos::SliceMethod::Bishop, p, grid);
    long circles = 0;
    long searches = 0;
    const long allocationsBefore = allocations.load();
    const Clock::time_point start = Clock::now();
    double seconds = 0;
    while (seconds < 1.5) {
        result = marvecos::searchCriticalCircle(marvecos::SliceMethod::Bishop, p, grid);
        circles += grid.circles();
        ++searches;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::printf("grid: %d x %d centres x %d radii = %ld circles of %d slices, Bishop, 1 thread\n",
                grid.x.count, grid.y.count, grid.radii(), grid.circles(), static_cast<int>(p.n));
    std::printf("with a factor of safety: %d, without: %d\n", result.withFactor(),
                result.withoutFactor());
    std::printf("critical circle: Xcr=%.3f Ycr=%.3f R=%.3f fs=%.3f\n", result.critical.Xcr,
                result.critical.Ycr, result.critical.R, result.critical.fs);
    // A search allocates its result and the working memory of its thread, once.
    std::printf("allocations per search: %ld, for %ld circles\n",
                (allocations.load() - allocationsBefore) / searches, grid.circles());
    std::printf("%ld circles in %.3f s\n", circles, seconds);
    // The methods with interslice forces on the same slope and grid.
    std::printf("spencer circles/s: %.0f\n",
                circlesPerSecond(marvecos::SliceMethod::Spencer, p, grid));
    std::printf("morgenstern-price circles/s: %.0f\n",
                circlesPerSecond(marvecos::SliceMethod::MorgensternPrice, p, grid));
    std::printf("circles/s: %.0f\n", circles / seconds);
    return 0;
}
