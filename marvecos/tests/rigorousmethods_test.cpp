#include <gtest/gtest.h>

#include <cmath>

#include "marvecos/batch.h"
#include "marvecos/intersliceresults.h"
#include "marvecos/methods/modelmethods.h"
#include "marvecos/methods/modelreport.h"
#include "marvecos/model/slopefile.h"
#include "marvecos/search/circlesearch.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

// Fredlund & Krahn (1977): 2:1 slope H 40, c 600, fi 20, gam 120, the circle (60, 70) R 80,
// a base 20 below the toe; 100 slices.
const SlopeProblem kFredlundKrahn{20, 600, 120, 40, 80, 60, 70, 80, 100, kSpencer};

ModelVerdict compute(SliceMethod method, SlopeProblem p, double ru, ModelMethodWork& w,
                     InterSliceFunction f = InterSliceFunction::HalfSine) {
    p.function = f;
    GroundModel model;
    model.base = -20;
    if (ru > 0) {
        model.water = WaterKind::PoreRatio;
        model.ru = ru;
    }
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    return factorByModelMethod(method, p, model, g, w);
}

TEST(RigorousMethods, PublishedFactorsOfFredlundAndKrahn) {
    struct Case {
        SliceMethod method;
        double ru, published, tolerance;
    };
    const Case cases[] = {
        {SliceMethod::Ordinary, 0, 1.928, 0.005},
        {SliceMethod::Spencer, 0, 2.073, 0.005},
        {SliceMethod::MorgensternPrice, 0, 2.076, 0.005},
        {SliceMethod::JanbuCorrected, 0, 2.041, 0.015},  // the published f0 curves differ a little
        {SliceMethod::Spencer, 0.25, 1.761, 0.005},
        {SliceMethod::MorgensternPrice, 0.25, 1.764, 0.005},
    };
    for (const Case& c : cases) {
        ModelMethodWork w;
        ASSERT_EQ(compute(c.method, kFredlundKrahn, c.ru, w), ModelVerdict::Solved);
        EXPECT_NEAR(w.F / c.published, 1, c.tolerance)
            << static_cast<int>(c.method) << " ru " << c.ru << ": " << w.F;
    }
    // Bishop's factor is where the solver starts; a few bases near the crest are in tension.
    ModelMethodWork w;
    compute(SliceMethod::Spencer, kFredlundKrahn, 0, w);
    EXPECT_NEAR(w.solution.bishopF / 2.080, 1, 0.005);
    EXPECT_GT(w.solution.tensionSlices, 0);
    EXPECT_LT(w.solution.tensionSlices, 6);
}

TEST(RigorousMethods, ConstantFunctionIsSpencerAndTheHalfSineNeedsALargerLambda) {
    for (double ru : {0.0, 0.25}) {
        ModelMethodWork spencer, constant, halfSine;
        compute(SliceMethod::Spencer, kFredlundKrahn, ru, spencer);
        compute(SliceMethod::MorgensternPrice, kFredlundKrahn, ru, constant,
                InterSliceFunction::Constant);
        compute(SliceMethod::MorgensternPrice, kFredlundKrahn, ru, halfSine);
        EXPECT_NEAR(constant.F, spencer.F, 1e-6);
        EXPECT_NEAR(constant.solution.lambda, spencer.solution.lambda, 1e-6);
        EXPECT_GT(halfSine.solution.lambda, constant.solution.lambda);
        // Both equilibria hold at the solution: the two curves meet there.
        const FactorPair pair = spencer.solver.factorsAt(spencer.solution.lambda);
        EXPECT_NEAR(pair.Ff, spencer.F, 1e-5);
        EXPECT_NEAR(pair.Fm, spencer.F, 1e-5);
        // The interslice forces close at the toe and X = lambda * E throughout.
        const int last = spencer.slices.slices + 1;
        EXPECT_NEAR(spencer.solution.E[last] / spencer.slices.sumW, 0, 1e-6);
        EXPECT_NEAR(spencer.solution.X[50], spencer.solution.lambda * spencer.solution.E[50],
                    1e-9 * spencer.slices.sumW);
    }
}

TEST(RigorousMethods, InadmissibleSolutionsGiveNoFactor) {
    struct Case {
        double Xcr, Ycr, R;
        ModelVerdict verdict;
    };
    // fi 20, c 10, gam 18, H 10, L 20, 50 slices.
    const Case cases[] = {
        {-5, 10, 6.818, ModelVerdict::LowMAlpha},         // a shallow circle behind the crest
        {5.5, 13, 6.312, ModelVerdict::MostlyInTension},  // most bases lift off
    };
    for (const Case& c : cases) {
        const SlopeProblem p{20, 10, 18, 10, 20, c.Xcr, c.Ycr, c.R, 50, kSpencer};
        ModelMethodWork w;
        EXPECT_EQ(compute(SliceMethod::Spencer, p, 0, w), c.verdict) << c.Xcr;
        EXPECT_FALSE(noModelFactorText(c.verdict, w).empty());
    }
}

// Two slices built by hand on a circle of centre (0, 10), R 10: the second, with little
// friction, pushed toward the toe by a horizontal force high above its base. The force factor
// stays below the moment factor for every lambda: the curves never cross.
TEST(RigorousMethods, CurvesThatNeverCrossGiveNoFactor) {
    ModelSlices s;
    s.slices = 2;
    s.Ycr = 10;
    s.R = 10;
    for (std::vector<double>* v :
         {&s.xLeft, &s.xRight, &s.xMid, &s.b, &s.sinA, &s.cosA, &s.l, &s.c, &s.fi, &s.tanFi, &s.u,
          &s.W, &s.Q, &s.kW, &s.yG, &s.pondV, &s.pondH, &s.pondM}) {
        v->assign(3, 0.0);
    }
    const double alpha[] = {0, 16.05, 20.66}, c[] = {0, 2.19, 6.73}, fi[] = {0, 17.63, 2.22};
    const double W[] = {0, 48.03, 15.76}, kW[] = {0, 0, 9.58}, yG[] = {0, 0.09, 8.91};
    for (int k = 1; k <= 2; ++k) {
        const double a = alpha[k] * 3.14159265358979 / 180;
        s.xLeft[k] = k - 1;
        s.xRight[k] = k;
        s.xMid[k] = k - 0.5;
        s.b[k] = 1;
        s.sinA[k] = std::sin(a);
        s.cosA[k] = std::cos(a);
        s.l[k] = 1 / s.cosA[k];
        s.c[k] = c[k];
        s.fi[k] = fi[k];
        s.tanFi[k] = std::tan(fi[k] * 3.14159265358979 / 180);
        s.W[k] = W[k];
        s.kW[k] = kW[k];
        s.yG[k] = yG[k];
    }
    InterSliceSolver solver;
    ASSERT_EQ(solver.prepare(s, InterSliceFunction::Constant), InterSliceVerdict::Solved);
    InterSliceSolution solution;
    solver.solve(solution);
    EXPECT_EQ(solution.verdict, InterSliceVerdict::NoCrossing);
    EXPECT_TRUE(solution.byBracketing);
    for (double lambda : {0.0, 1.0}) {
        const FactorPair pair = solver.factorsAt(lambda);
        EXPECT_LT(pair.Ff, pair.Fm) << lambda;
    }
}

TEST(RigorousMethods, ChartCrossesAtTheSolution) {
    ModelMethodWork w;
    compute(SliceMethod::Spencer, kFredlundKrahn, 0, w);
    const std::vector<FactorPair> chart = factorChart(w.solver, w.solution.lambda);
    ASSERT_EQ(chart.size(), 21u);
    EXPECT_EQ(chart.front().lambda, 0);
    // At lambda 0 the curves are Bishop's and Janbu's simplified factors; the force factor
    // rises faster and passes the moment factor at the solution.
    EXPECT_NEAR(chart.front().Fm, w.solution.bishopF, 1e-6);
    EXPECT_LT(chart.front().Ff, chart.front().Fm);
    EXPECT_GT(chart.back().Ff, chart.back().Fm);
}

TEST(RigorousMethods, SearchRunsWithEveryMethod) {
    SlopeProblem p{20, 10, 18, 10, 20, 0, 0, 0, 30, kBishop};
    SearchGrid grid = defaultSearchGrid(p.H, p.L);
    grid.x.count = grid.y.count = 5;
    const double bishop = searchCriticalCircle(SliceMethod::Bishop, p, grid).critical.fs;
    for (SliceMethod m : {SliceMethod::Spencer, SliceMethod::MorgensternPrice,
                          SliceMethod::Ordinary, SliceMethod::JanbuCorrected}) {
        const SearchResult r = searchCriticalCircle(m, p, grid);
        ASSERT_TRUE(r.found) << static_cast<int>(m);
        // Every method lands within a tenth of Bishop's critical factor on this slope.
        EXPECT_NEAR(r.critical.fs / bishop, 1, 0.1) << static_cast<int>(m);
    }
}

TEST(RigorousMethods, BatchPrintsFactorAndLambda) {
    TempFolder work, temp;
    const std::string slope =
        "--fi 20 --c 600 --gam 120 --H 40 --L 80 --Xcr 60 --Ycr 70 "
        "--R 80 --n 100 --method ";
    struct Case {
        std::string args, out;
        int exitCode;
    };
    const Case cases[] = {
        {"spencer", "fs=2.072\nlambda=0.2576\ntheta=14.45\n", 0},
        {"morgenstern-price", "fs=2.072\nlambda=0.3232\n", 0},
        {"morgenstern-price --funcion constante", "fs=2.072\nlambda=0.2576\n", 0},
        {"ordinario", "fs=1.928\n", 0},
        {"janbu-corregido", "fs=2.022\n", 0},
        {"spencer --funcion lineal", "", 2},
        {"fellenius", "", 2},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--batch"};
        std::string all = slope + c.args, word;
        for (std::size_t i = 0; i <= all.size(); ++i) {
            if (i == all.size() || all[i] == ' ') {
                if (!word.empty()) {
                    args.push_back(word);
                }
                word.clear();
            } else {
                word += all[i];
            }
        }
        std::ostringstream out, err;
        common::RecordingMessages messages;
        EXPECT_EQ(runBatch(args, SlopeFolders{work.path(), temp.path()}, out, err, messages),
                  c.exitCode)
            << c.args;
        EXPECT_EQ(out.str(), c.out) << c.args;
    }
    EXPECT_TRUE(work.has("Spencer.out") && work.has("Morgenstern.out") &&
                work.has("Ordinario.out") && work.has("JanbuCorregido.out"));
}

TEST(RigorousMethods, ChartFigureInPixels) {
    // A frame of 300 x 100 pixels; F from 1 to 3 with a tenth to spare, 0.9 to 3.1.
    InterSliceTables t;
    t.F = 2;
    t.lambda = 0.5;
    t.chart = {{0, true, true, 1, 2}, {0.25, false, true, 0, 2}, {1, true, true, 3, 2}};
    const FactorChartFigure f = factorChartFigure(t, 364, 158);
    EXPECT_EQ(f.left, 52);
    EXPECT_EQ(f.right, 352);
    EXPECT_EQ(f.bottom, 124);
    EXPECT_DOUBLE_EQ(f.solution.x, 202);
    EXPECT_DOUBLE_EQ(f.solution.y, 74);
    // The force curve breaks where it has no value; the moment curve runs through.
    ASSERT_EQ(f.force.size(), 2u);
    EXPECT_NEAR(f.force[0][0].y, 124 - 0.1 / 2.2 * 100, 1e-9);
    EXPECT_DOUBLE_EQ(f.force[1][0].x, 352);
    ASSERT_EQ(f.moment.size(), 1u);
    EXPECT_EQ(f.moment[0].size(), 3u);
    EXPECT_EQ(f.lambdaTicks.back().text, "1.00");
    EXPECT_EQ(f.fTicks.front().text, "0.900");
    // A file that is not one of ours reads as nothing.
    EXPECT_FALSE(parseInterSliceTables("3\n0 0 0 1 x\n"));
    EXPECT_FALSE(parseInterSliceTables(""));
}

TEST(RigorousMethods, SlopeFileKeepsTheMethodAndItsFunction) {
    struct Case {
        int method;
        InterSliceFunction function;
        const char* lines;  // what the file says of them
    };
    const Case cases[] = {
        {kSpencer, InterSliceFunction::HalfSine, "metodo spencer\r\n"},
        {kMorgensternPrice, InterSliceFunction::Constant,
         "metodo morgenstern-price\r\nfuncion constante\r\n"},
        {kOrdinary, InterSliceFunction::HalfSine, "metodo ordinario\r\n"},
        {kJanbuCorrected, InterSliceFunction::HalfSine, "metodo janbu-corregido\r\n"},
    };
    for (const Case& c : cases) {
        SlopeData data;
        data.problem = kFredlundKrahn;
        data.problem.method = c.method;
        data.problem.function = c.function;
        const std::string text = slopeFileText(data);
        EXPECT_NE(text.find(c.lines), std::string::npos) << text;
        SlopeData back;
        std::string error;
        ASSERT_TRUE(readSlopeText(text, back, error)) << error;
        EXPECT_EQ(back.problem.method, c.method);
        EXPECT_EQ(back.problem.function, c.function);
    }
    SlopeData data;
    std::string error;
    EXPECT_FALSE(readSlopeText("funcion lineal\n", data, error));
    EXPECT_EQ(error, "linea 1: \"funcion\" va seguido de constante o semiseno");
}

}  // namespace
}  // namespace marvecos
