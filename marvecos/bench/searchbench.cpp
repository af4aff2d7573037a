// Times the search of the critical circle on one core (the thread's own running time): circles of
// 50 slices by Bishop over a grid of centres and radii around an ordinary slope, homogeneous and
// dry ("homogeneo"), then on layers with water, a load and an earthquake ("capas"). Prints "CASE
// circles/s: N" for each as its last lines.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

#include "marvecos/search/circlesearch.h"

namespace {

// Every allocation of the program is counted, to show that none is made per circle.
std::atomic<long> allocations{0};

// The time this thread has run on a core: other programs sharing the machine do not count.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
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

namespace {

struct Timing {
    marvecos::SearchResult result;
    long circlesPerSecond = 0;
    long allocationsPerSearch = 0;
};

// One search to warm up, then as many as fill a second and a half.
Timing timeSearch(const marvecos::SlopeProblem& p, const marvecos::GroundModel& model,
                  const marvecos::SearchGrid& grid) {
    Timing t;
    t.result = marvecos::searchCriticalCircle(marvecos::SliceMethod::Bishop, p, model, grid);
    long circles = 0;
    long searches = 0;
    const long allocationsBefore = allocations.load();
    const double start = cpuSeconds();
    double seconds = 0;
    while (seconds < 1.5) {
        t.result = marvecos::searchCriticalCircle(marvecos::SliceMethod::Bishop, p, model, grid);
        circles += grid.circles();
        ++searches;
        seconds = cpuSeconds() - start;
    }
    t.circlesPerSecond = static_cast<long>(circles / seconds);
    t.allocationsPerSearch = (allocations.load() - allocationsBefore) / searches;
    return t;
}

void printCase(const char* name, const marvecos::SearchGrid& grid, const Timing& t) {
    std::printf("%s: %ld circles a search, with a factor of safety: %d, without: %d\n", name,
                grid.circles(), t.result.withFactor(), t.result.withoutFactor());
    std::printf("%s: critical circle Xcr=%.3f Ycr=%.3f R=%.3f fs=%.3f\n", name,
                t.result.critical.Xcr, t.result.critical.Ycr, t.result.critical.R,
                t.result.critical.fs);
    // A search allocates its result and the working memory of its thread, once.
    std::printf("%s: allocations per search: %ld\n", name, t.allocationsPerSearch);
}

// Three layers below the top soil, a piezometric line that ponds in front of the toe, a strip
// load on the crest and an earthquake coefficient.
marvecos::GroundModel layeredModel() {
    marvecos::GroundModel m;
    m.layers.push_back({25, 5, 19, {{-20, 10, 30}, {7, 4, -1}}});
    m.layers.push_back({30, 0, 20, {{-20, 30}, {0, -4}}});
    m.layers.push_back({22, 20, 21, {{-20, 30}, {-6, -8}}});
    m.water = marvecos::WaterKind::Piezometric;
    m.piezometric = {{-20, 0, 20, 40}, {6, 5, 1, 1}};
    m.strips.push_back({-8, -2, 20, 20});
    m.kh = 0.1;
    return m;
}

}  // namespace

int main() {
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
    std::printf("grid: %d x %d centres x %d radii = %ld circles of %d slices, Bishop, 1 thread\n",
                grid.x.count, grid.y.count, grid.radii(), grid.circles(), static_cast<int>(p.n));

    const Timing homogeneous = timeSearch(p, marvecos::GroundModel{}, grid);
    printCase("homogeneo", grid, homogeneous);
    const Timing layered = timeSearch(p, layeredModel(), grid);
    printCase("capas", grid, layered);
    std::printf("homogeneo circles/s: %ld\n", homogeneous.circlesPerSecond);
    std::printf("capas circles/s: %ld\n", layered.circlesPerSecond);
    return 0;
}
