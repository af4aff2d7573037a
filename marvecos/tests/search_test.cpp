#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "common/fields.h"
#include "common/fieldvalue.h"
#include "common/messages.h"
#include "common/patterntext.h"
#include "marvecos/calcular.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/search/gridoptions.h"
#include "marvecos/search/searchcsv.h"
#include "marvecos/search/searchsummary.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

SlopeProblem slope(double fi, double c, double gam, double H, double L, double n) {
    SlopeProblem p;
    p.fi = fi;
    p.c = c;
    p.gam = gam;
    p.H = H;
    p.L = L;
    p.n = n;
    return p;
}

SearchGrid oneCircle(double Xcr, double Ycr, double R) {
    SearchGrid grid;
    grid.x = GridAxis{Xcr, Xcr, 1};
    grid.y = GridAxis{Ycr, Ycr, 1};
    grid.radiiPerCentre = false;
    grid.r = GridAxis{R, R, 1};
    return grid;
}

// "Calcular" on one circle typed into the fields, with its files in a folder of its own.
struct SingleCircle {
    MethodOutcome outcome;
    std::vector<common::Message> shown;
    std::string report;
};

SingleCircle calcularOn(const SlopeProblem& p, SliceMethod method, double Xcr, double Ycr,
                        double R) {
    common::MemoryFields fields;
    auto set = [&fields](const char* name, double v) {
        fields.setText(name, common::formatPattern(v, "####0.000000"));
    };
    set("fi", p.fi);
    set("c", p.c);
    set("gam", p.gam);
    set("H", p.H);
    set("L", p.L);
    set("n", p.n);
    fields.setText("Xcr", common::formatPattern(Xcr, "####0.000"));
    fields.setText("Ycr", common::formatPattern(Ycr, "####0.000"));
    fields.setText("R", common::formatPattern(R, "####0.000"));
    MethodButtons buttons;
    (method == SliceMethod::Bishop ? buttons.bishop : buttons.janbu) = true;
    TempFolder folder;
    common::RecordingMessages messages;
    SingleCircle single;
    single.outcome =
        calcular(fields, buttons, SlopeFolders{folder.path(), folder.path()}, messages);
    single.shown = messages.shown;
    single.report = folder.read(method == SliceMethod::Bishop ? "Bishop.out" : "Janbu.out");
    return single;
}

int reportCase(const std::string& report) {
    const std::size_t colon = report.find(':');
    return colon == std::string::npos ? 0 : std::atoi(report.c_str() + colon + 1);
}

// A value the text "####0.000000" of an entry field reads back exactly.
double micro(double v) {
    return std::round(v * 1e6) / 1e6;
}

// Boundary rows of the report: the lines between the dashes and the first row of equals signs.
int reportSlices(const std::string& report) {
    std::istringstream in(report);
    std::string line;
    int rows = -1;
    while (std::getline(in, line) && line.rfind("=====", 0) != 0) {
        if (rows >= 0) {
            ++rows;
        } else if (line.rfind("-----", 0) == 0) {
            rows = 0;
        }
    }
    return rows - 1;
}

// Random circles over slopes of every shape until each of the four geometry cases has been
// met often: whatever the search gives for a circle, "Calcular" on the same circle gives,
// down to the last bit of the factor of safety.
TEST(CriticalCircleSearch, EveryCircleAsCalcularComputesIt) {
    std::mt19937 random(20261207);
    auto uniform = [&random](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(random);
    };
    int cases[5] = {0, 0, 0, 0, 0};
    int skipped = 0;
    for (int trial = 0; trial < 400 && (cases[1] < 20 || cases[2] < 20 || cases[3] < 20 ||
                                        cases[4] < 20 || trial < 150);
         ++trial) {
        const double H = micro(uniform(3, 30));
        const double L = micro(H * uniform(0.4, 4));
        // Fractional slice counts are used as typed; the widths take them unrounded.
        const double n =
            trial % 5 == 0 ? std::round(uniform(10, 100) * 8) / 8 : std::round(uniform(10, 100));
        SlopeProblem p =
            slope(micro(uniform(0, 40)), micro(uniform(0, 50)), micro(uniform(14, 22)), H, L, n);
        p.fi = trial % 7 == 0 ? 0 : p.fi;
        p.c = trial % 11 == 0 ? 0 : p.c;
        double Xcr = toMillimetre(uniform(-H, L + H));
        double Ycr = toMillimetre(uniform(0.6 * H, 3 * H));
        double R = toMillimetre(uniform(0.5, 1.3) * (Ycr + 0.5 * H));
        if (trial % 4 == 0) {
            // Both ends on the face: a centre above the face, a radius short of the crest edge
            // and the toe.
            const double along = uniform(0.3, 0.7);
            const double up = uniform(0.2, 1.5) * H;
            const double length = std::hypot(H, L);
            Xcr = toMillimetre(along * L + up * H / length);
            Ycr = toMillimetre((1 - along) * H + up * L / length);
            const double shortest = std::min(std::hypot(Xcr, Ycr - H), std::hypot(Xcr - L, Ycr));
            R = toMillimetre(up + uniform(0.2, 0.9) * (shortest - up));
        }
        const SliceMethod method = trial % 2 ? SliceMethod::Bishop : SliceMethod::Janbu;

        const SearchResult search = searchCriticalCircle(method, p, oneCircle(Xcr, Ycr, R));
        const SingleCircle single = calcularOn(p, method, Xcr, Ycr, R);
        SCOPED_TRACE(::testing::Message() << "trial " << trial << " H " << H << " L " << L
                                          << " circle " << Xcr << " " << Ycr << " " << R);
        ASSERT_EQ(search.circles.size(), 1u);
        const SearchCircle& circle = search.circles[0];
        if (circle.reason != SkipReason::None) {
            // The search skips what "Calcular" refuses, and a run that does not converge.
            const bool notConverged = circle.reason == SkipReason::NotConverged;
            EXPECT_EQ(single.outcome.computed, notConverged);
            ASSERT_FALSE(single.shown.empty());
            if (notConverged) {
                EXPECT_EQ(single.shown.back().text, "No hay convergencia...");
            }
            ++skipped;
            continue;
        }
        ASSERT_TRUE(single.outcome.computed);
        EXPECT_EQ(circle.fs, single.outcome.fs);
        EXPECT_EQ(search.critical.fs, single.outcome.fs);
        EXPECT_EQ(circle.caso, reportCase(single.report));
        EXPECT_EQ(search.critical.caso, circle.caso);
        EXPECT_EQ(reportSlices(single.report), static_cast<int>(std::floor(n)));
        ++cases[circle.caso];
    }
    for (int caso = 1; caso <= 4; ++caso) {
        EXPECT_GE(cases[caso], 12) << "case " << caso;
    }
    EXPECT_GT(skipped, 0);
}

TEST(CriticalCircleSearch, CirclesWithoutAFactorAreCountedByReason) {
    const SlopeProblem p = slope(20, 10, 18, 10, 20, 20);
    SearchGrid grid;
    // Centres high above the slope with radii too short to reach the ground, and the origin
    // with radius 0, which "Calcular" refuses.
    grid.x = GridAxis{0, 10, 3};
    grid.y = GridAxis{0, 40, 3};
    grid.radiiPerCentre = false;
    grid.r = GridAxis{0, 4, 3};
    const SearchResult result = searchCriticalCircle(SliceMethod::Bishop, p, grid);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.withFactor(), 0);
    EXPECT_EQ(result.withoutFactor(), grid.circles());
    // Radius 0 everywhere (3 x 3), and radii 2 and 4 at the origin.
    EXPECT_EQ(result.counts[static_cast<int>(SkipReason::RefusedCircle)], 11);
    EXPECT_EQ(result.counts[static_cast<int>(SkipReason::MissesSlope)], 16);
    for (const CentreFactor& cell : result.map) {
        EXPECT_FALSE(cell.found);
    }
    EXPECT_EQ(searchCountsLine(result),
              "Circulos: 27, con resultado: 0, sin resultado: 27 (centro en el origen o radio "
              "nulo: 11, no cortan el talud: 16, dovelas no repartibles: 0, dovelas de ancho "
              "nulo: 0, sin peso que deslice: 0, division por cero: 0, factor no positivo: 0, sin "
              "convergencia: 0)");
}

// Index of a centre coordinate on an axis.
int pointIndex(const GridAxis& a, double value) {
    for (int i = 0; i < a.count; ++i) {
        if (axisPoint(a, i) == value) {
            return i;
        }
    }
    return -1;
}

// Every other centre of a wider grid, around the place of its minimum.
GridAxis everyOtherPoint(const GridAxis& a, int around) {
    const int first = around - 2 * std::min(2, around / 2);
    const int last = around + 2 * std::min(2, (a.count - 1 - around) / 2);
    return GridAxis{axisPoint(a, first), axisPoint(a, last), (last - first) / 2 + 1};
}

TEST(CriticalCircleSearch, FindsTheKnownMinimumAndMapsEachCentre) {
    const SlopeProblem p = slope(25, 15, 19, 10, 15, 40);
    const SearchGrid wide = defaultSearchGrid(p.H, p.L);
    const SearchResult known = searchCriticalCircle(SliceMethod::Bishop, p, wide);
    ASSERT_TRUE(known.found);
    const int ix = pointIndex(wide.x, known.critical.Xcr);
    const int iy = pointIndex(wide.y, known.critical.Ycr);
    ASSERT_TRUE(ix >= 0 && iy >= 0);

    // A coarser grid of centres taken from the wide one, the minimum's centre among them: the
    // same radii per centre, so its least factor is the known one, at the same circle.
    SearchGrid grid = wide;
    grid.x = everyOtherPoint(wide.x, ix);
    grid.y = everyOtherPoint(wide.y, iy);
    const SearchResult result = searchCriticalCircle(SliceMethod::Bishop, p, grid);
    ASSERT_TRUE(result.found);
    EXPECT_EQ(result.critical.Xcr, known.critical.Xcr);
    EXPECT_EQ(result.critical.Ycr, known.critical.Ycr);
    EXPECT_EQ(result.critical.R, known.critical.R);
    EXPECT_EQ(result.critical.fs, known.critical.fs);
    EXPECT_EQ(result.critical.caso, known.critical.caso);

    // Each cell of the map is the least factor over the radii of its centre.
    for (int centre = 0; centre < grid.centres(); ++centre) {
        const CentreFactor& cell = result.map[centre];
        double least = 0;
        bool any = false;
        for (int j = 0; j < grid.radii(); ++j) {
            const SearchCircle& c = result.circles[centre * grid.radii() + j];
            if (c.reason == SkipReason::None && (!any || c.fs < least)) {
                least = c.fs;
                any = true;
            }
        }
        EXPECT_EQ(cell.found, any);
        if (any) {
            EXPECT_EQ(cell.fs, least);
            EXPECT_GE(cell.fs, result.critical.fs);
        }
    }
    const int cx = pointIndex(grid.x, known.critical.Xcr);
    const int cy = pointIndex(grid.y, known.critical.Ycr);
    ASSERT_GE(cx, 0);
    ASSERT_GE(cy, 0);
    EXPECT_EQ(result.map[cy * grid.x.count + cx].fs, known.critical.fs);
    EXPECT_EQ(result.map[cy * grid.x.count + cx].R, known.critical.R);
}

TEST(CriticalCircleSearch, ThreadsAndCancellationChangeNothingButHowFar) {
    const SlopeProblem p = slope(30, 5, 20, 8, 12, 30);
    const SearchGrid grid = defaultSearchGrid(p.H, p.L);
    const SearchResult one = searchCriticalCircle(SliceMethod::Janbu, p, grid);
    SearchControl control;
    control.threads = 3;
    std::atomic<int> done{0};
    control.centresDone = &done;
    const SearchResult three = searchCriticalCircle(SliceMethod::Janbu, p, grid, control);
    EXPECT_EQ(done.load(), grid.centres());
    EXPECT_FALSE(three.cancelled);
    ASSERT_EQ(three.circles.size(), one.circles.size());
    for (std::size_t i = 0; i < one.circles.size(); ++i) {
        EXPECT_EQ(three.circles[i].fs, one.circles[i].fs);
        EXPECT_EQ(three.circles[i].reason, one.circles[i].reason);
    }
    EXPECT_EQ(three.counts, one.counts);
    EXPECT_EQ(three.critical.fs, one.critical.fs);
    EXPECT_EQ(three.critical.R, one.critical.R);

    std::atomic<bool> cancel{true};
    control.cancel = &cancel;
    const SearchResult stopped = searchCriticalCircle(SliceMethod::Janbu, p, grid, control);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.centresTried, 0);
    EXPECT_FALSE(stopped.found);
    EXPECT_EQ(stopped.withFactor() + stopped.withoutFactor(), 0);
    EXPECT_EQ(searchCsvText(stopped), "Xcr,Ycr,R,fs\r\n");
}

// c / (F gam H) = 0.191 for the critical toe circle of a 60 degree slope in clay: the default
// grid's least factor must be within 2 % of it.
TEST(CriticalCircleSearch, TaylorChartForACohesiveSixtyDegreeSlope) {
    const double H = 10, gam = 20, c = 38.2;
    const SlopeProblem p = slope(0, c, gam, H, H / std::tan(60 * M_PI / 180), 100);
    const SearchResult result =
        searchCriticalCircle(SliceMethod::Bishop, p, defaultSearchGrid(p.H, p.L));
    ASSERT_TRUE(result.found);
    const double stability = c / (gam * H * result.critical.fs);
    EXPECT_NEAR(stability, 0.191, 0.02 * 0.191);
}

TEST(SearchGridRule, DefaultGridCoversTheSlopeAndReachesHalfHBelowTheToe) {
    const SearchGrid grid = defaultSearchGrid(10, 20);
    EXPECT_EQ(grid.x.count, 21);
    EXPECT_EQ(grid.y.count, 21);
    EXPECT_EQ(grid.r.count, 11);
    EXPECT_EQ(grid.radii(), 12);
    EXPECT_EQ(grid.circles(), 5292);
    EXPECT_EQ(axisPoint(grid.x, 0), -5);
    EXPECT_EQ(axisPoint(grid.x, 20), 25);
    EXPECT_EQ(axisPoint(grid.y, 0), 10);
    EXPECT_EQ(axisPoint(grid.y, 20), 30);
    EXPECT_EQ(axisPoint(grid.x, 7), 5.5);

    // Above the middle of the face (10, 5), at (10 + 5, 5 + 10): the face is 5 * sqrt(5) away.
    const double touching = 5 * std::sqrt(5.0);
    EXPECT_NEAR(distanceToFace(10, 20, 15, 15), touching, 1e-12);
    EXPECT_NEAR(distanceToFace(10, 20, -3, 14), 5, 1e-12);  // to the crest edge
    EXPECT_NEAR(distanceToFace(10, 20, 23, 4), 5, 1e-12);   // to the toe
    const double first = gridRadius(grid, 10, 20, 15, 15, 0);
    EXPECT_GT(first, touching);
    EXPECT_NEAR(first, touching + (20 - touching) / 11, 0.0005);
    EXPECT_EQ(gridRadius(grid, 10, 20, 15, 15, 10), 20);  // lowest point at y = -5
    EXPECT_EQ(gridRadius(grid, 10, 20, 15, 15, 11), toMillimetre(std::hypot(5, 15)));  // toe
    for (int j = 0; j < 12; ++j) {
        const double R = gridRadius(grid, 10, 20, 15, 15, j);
        EXPECT_EQ(R, std::round(R * 1000) / 1000);
        EXPECT_EQ(common::fieldValue(common::formatPattern(R, "####0.000")), R);
    }
}

TEST(SearchGridRule, GridOptionsReadOrRefuse) {
    const std::optional<GridAxis> a = parseGridAxis("-5:25.5:21");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->from, -5);
    EXPECT_EQ(a->to, 25.5);
    EXPECT_EQ(a->count, 21);
    for (const char* bad : {"", "1:2", "1:2:3:4", "a:2:3", "1:2:0", "1:2:2.5", "1:2:1001", "1:2:-3",
                            "1e300:2:3", "1 :2:3x"}) {
        EXPECT_FALSE(parseGridAxis(bad)) << bad;
    }
    SearchGrid grid;
    ASSERT_TRUE(parseGridRadii("7", grid));
    EXPECT_TRUE(grid.radiiPerCentre);
    EXPECT_EQ(grid.r.count, 7);
    ASSERT_TRUE(parseGridRadii("10:20:5", grid));
    EXPECT_FALSE(grid.radiiPerCentre);
    EXPECT_EQ(axisPoint(grid.r, 1), 12.5);
    EXPECT_FALSE(parseGridRadii("0", grid));
    EXPECT_FALSE(parseGridRadii("10:20", grid));
    EXPECT_FALSE(grid.radiiPerCentre);  // unchanged by a refused text
}

TEST(SearchCsv, OneRowPerCircleThatReadsBack) {
    const SlopeProblem p = slope(20, 10, 18, 10, 20, 20);
    SearchGrid grid;
    grid.x = GridAxis{-2, 14, 3};
    grid.y = GridAxis{12, 24, 2};
    grid.radiiPerCentre = false;
    grid.r = GridAxis{1, 25, 4};
    const SearchResult result = searchCriticalCircle(SliceMethod::Bishop, p, grid);
    bool onlyCrLf = false;
    const std::string text = unixLines(searchCsvText(result), &onlyCrLf);
    EXPECT_TRUE(onlyCrLf);
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "Xcr,Ycr,R,fs");
    int row = 0, empty = 0;
    while (std::getline(in, line)) {
        const int centre = row / grid.radii();
        const SearchCircle& circle = result.circles[row];
        double x = 0, y = 0, R = 0;
        char c1 = 0, c2 = 0, c3 = 0;
        std::istringstream cells(line);
        cells >> x >> c1 >> y >> c2 >> R >> c3;
        EXPECT_EQ(c1, ',');
        EXPECT_EQ(c3, ',');
        EXPECT_EQ(x, result.centreX(centre % grid.x.count));
        EXPECT_EQ(y, result.centreY(centre / grid.x.count));
        EXPECT_EQ(R, circle.R);
        std::string fs;
        std::getline(cells, fs);
        if (circle.reason == SkipReason::None) {
            EXPECT_EQ(std::stod(fs), circle.fs) << line;
        } else {
            EXPECT_EQ(fs, "") << line;
            ++empty;
        }
        ++row;
    }
    EXPECT_EQ(row, grid.circles());
    EXPECT_EQ(empty, result.withoutFactor());
    EXPECT_GT(empty, 0);
    EXPECT_GT(result.withFactor(), 0);
    EXPECT_EQ(criticalCircleLine(CriticalCircle{-2, 12.5, 17.25, 1.23449, 1}),
              "Circulo critico: Xcr= -2.000 Ycr= 12.500 R= 17.250 fs= 1.234");
}

}  // namespace
}  // namespace marvecos
