#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "grenvil/factorsearch.h"
#include "grenvil/slicetable.h"
#include "grenvil/spencer.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"

namespace grenvil {
namespace {

// A residual falling with F, as the equilibrium sums do, that records every trial.
struct LinearResidual {
    explicit LinearResidual(float target) : target(target) {}
    float target;
    float slope = 1000.0f;
    std::vector<float> trials;
    Residual function() {
        return [this](float F) -> std::optional<float> {
            trials.push_back(F);
            return slope * (target - F);
        };
    }
};

TEST(FactorSearch, StopsAtOnceWhenTheStartIsGoodEnough) {
    LinearResidual S{1.2f};
    float tolerance = kStartTolerance;
    const SearchOutcome out = searchFactor(S.function(), 1.2f, 0.00005f, tolerance);
    EXPECT_EQ(out.end, SearchEnd::Converged);
    EXPECT_EQ(out.F, 1.2f);
    EXPECT_EQ(S.trials.size(), 1u);
}

TEST(FactorSearch, HalvesOnlyAfterTheFourthTrial) {
    // The residual changes sign between trials 2 and 3 (j = 2, 3): trial 4 still steps back by
    // s, and only the change between trials 3 and 4 is halved.
    LinearResidual S{1.00012f};
    float tolerance = kStartTolerance;
    searchFactor(S.function(), 1.0f, 0.00005f, tolerance);
    ASSERT_GE(S.trials.size(), 6u);
    EXPECT_FLOAT_EQ(S.trials[1], 1.00005f);
    EXPECT_FLOAT_EQ(S.trials[3], 1.00015f);
    EXPECT_FLOAT_EQ(S.trials[4], 1.0001f);  // stepped, not halved, although the sign changed
    EXPECT_EQ(S.trials[5], (S.trials[3] + S.trials[4]) / 2.0f);
}

TEST(FactorSearch, SteppingDirectionFollowsTheSignOfTheResidual) {
    LinearResidual S{0.9f};
    float tolerance = kStartTolerance;
    const SearchOutcome out = searchFactor(S.function(), 1.0f, 0.00025f, tolerance);
    EXPECT_EQ(out.end, SearchEnd::Converged);
    EXPECT_LT(S.trials[1], S.trials[0]);
    EXPECT_NEAR(out.F, 0.9f, 0.0003f);
}

TEST(FactorSearch, ToleranceRelaxesAfterFiveHundredTrials) {
    // A residual of 5 is never within 0.0001 but is within 10.
    float tolerance = kStartTolerance;
    int calls = 0;
    const Residual five = [&](float) -> std::optional<float> {
        ++calls;
        return 5.0f;
    };
    const SearchOutcome out = searchFactor(five, 1.0f, 0.00005f, tolerance);
    EXPECT_EQ(out.end, SearchEnd::Converged);
    EXPECT_EQ(calls, 502);  // j = 0..501
    EXPECT_EQ(tolerance, kRelaxedTolerance);
}

TEST(FactorSearch, GivesUpAfterTwentyThousandTrialsKeepingTheRelaxedTolerance) {
    float tolerance = kStartTolerance;
    int calls = 0;
    const Residual large = [&](float) -> std::optional<float> {
        ++calls;
        return -50.0f;
    };
    const SearchOutcome out = searchFactor(large, 1.0f, 0.00025f, tolerance);
    EXPECT_EQ(out.end, SearchEnd::TrialLimit);
    EXPECT_EQ(calls, 20001);
    EXPECT_EQ(tolerance, kRelaxedTolerance);
    EXPECT_LT(out.F, 1.0f - 20000 * 0.00025f + 0.01f);
    // A new start from there keeps the relaxed tolerance: a residual of 5 now converges at once.
    calls = 0;
    const Residual five = [&](float) -> std::optional<float> {
        ++calls;
        return 5.0f;
    };
    EXPECT_EQ(searchFactor(five, 1.0f, 0.00025f, tolerance).end, SearchEnd::Converged);
    EXPECT_EQ(calls, 1);
}

TEST(FactorSearch, AResidualThatCannotBeComputedEndsTheSearch) {
    float tolerance = kStartTolerance;
    const Residual none = [](float) -> std::optional<float> { return std::nullopt; };
    const SearchOutcome out = searchFactor(none, 1.5f, 0.00005f, tolerance);
    EXPECT_EQ(out.end, SearchEnd::Undefined);
    EXPECT_EQ(out.F, 1.5f);
}

class QuietTrace : public SpencerTrace {
public:
    void searchMessage(const std::string& text) override { messages.push_back(text); }
    void trialTheta(int, float FST, float FSM, float theta) override {
        lines.push_back({FST, FSM, theta});
    }
    struct Line {
        float FST, FSM, theta;
    };
    std::vector<std::string> messages;
    std::vector<Line> lines;
};

// Simplified Bishop on the same slices, in double precision, iterated to a tight tolerance.
double bishopFactor(const SpencerInput& p) {
    const marvecos::SliceGeometry g =
        marvecos::computeSliceGeometry({p.H, p.L, p.XCR, p.YCR, p.R, double(p.N)});
    const std::vector<double> DY = marvecos::soilHeights(g, p.L);
    const marvecos::SliceQuantities q = marvecos::sliceQuantities(g, DY, p.GAM);
    const double tanfi = std::tan(p.FI * 3.141592653589793 / 180);
    double fs = 1.0;
    for (int iteration = 0; iteration < 200; ++iteration) {
        double S = 0;
        for (int k = 1; k <= q.slices; ++k) {
            const double ma = q.cos[k] + q.sen[k] * tanfi / fs;
            S += (p.C * q.dxx[k] + q.w[k] * tanfi) / ma;
        }
        fs = S / q.sumWsen;
    }
    return fs;
}

TEST(Spencer, AgreesWithBishopOnARealisticCircle) {
    // A 10 m slope at 1:2 in a silty clay, circle from the crest plane to the face.
    const SpencerInput p{20, 10, 18, 10, 20, 8, 22, 23, 20};
    SliceTable table;
    ASSERT_TRUE(prepareSlices(p, table));
    EXPECT_EQ(table.caso, 1);
    QuietTrace trace;
    const SpencerResult r = runSpencer(p, table, trace);
    ASSERT_TRUE(r.converged);
    EXPECT_TRUE(trace.messages.empty());
    const double bishop = bishopFactor(p);
    EXPECT_NEAR(r.FSM, bishop, 0.03 * bishop);
    EXPECT_NEAR(r.FST, bishop, 0.03 * bishop);
    // The interslice forces lean the way the slope falls, at a moderate angle.
    EXPECT_GT(r.theta, 0.05f);
    EXPECT_LT(r.theta, 0.5f);
    EXPECT_LE(std::fabs(r.FSM - r.FST), 0.01f);
}

TEST(Spencer, ThetaMovesByHundredthsTowardAgreement) {
    const SpencerInput p{20, 10, 18, 10, 20, 8, 22, 23, 20};
    SliceTable table;
    ASSERT_TRUE(prepareSlices(p, table));
    QuietTrace trace;
    runSpencer(p, table, trace);
    ASSERT_GT(trace.lines.size(), 2u);
    EXPECT_EQ(trace.lines[0].theta, 0.0f);
    for (std::size_t i = 1; i < trace.lines.size(); ++i) {
        const float expected = trace.lines[i - 1].FST > trace.lines[i - 1].FSM ? -0.01f : 0.01f;
        EXPECT_NEAR(trace.lines[i].theta - trace.lines[i - 1].theta, expected, 1e-6f);
    }
}

TEST(Spencer, AnEmptySliceCarriesNoForceWhateverItsKeptAngles) {
    // A vertical cut (L = 0): the slices on the face have no width and no base.
    const SpencerInput p{30, 10, 18, 10, 0, 3, 12, 13, 20};
    SliceTable table;
    ASSERT_TRUE(prepareSlices(p, table));
    int empty = 0;
    for (int k = 1; k <= table.n; ++k) {
        if (table.L1[k] == 0.0f) {
            ++empty;
            table.cosAT[k] = 0.0f;  // the worst angle it could have kept
        }
    }
    ASSERT_GT(empty, 0);
    QuietTrace trace;
    const SpencerResult r = runSpencer(p, table, trace);
    EXPECT_TRUE(std::isfinite(r.FST));
    EXPECT_TRUE(std::isfinite(r.FSM));
    EXPECT_FALSE(trace.lines.empty());
}

// Slices without weight or cohesion: both residuals are zero, so each search stops at its start
// and FST is simply the starting value the totals give.
SliceTable weightlessSlices(float sumWcos) {
    SliceTable t;
    t.n = 2;
    for (int k = 1; k <= 2; ++k) {
        t.L1[k] = 1.0f;
        t.dxx[k] = 0.8f;
        t.cos[k] = 0.8f;
        t.sen[k] = 0.6f;
    }
    t.sumL = 2.0f;
    t.sumWcos = sumWcos;
    t.sumWsen = 1.2f;
    return t;
}

TEST(Spencer, ThetaBeyondNinetyDegreesEndsTheSearch) {
    const SpencerInput p{45, 0, 18, 10, 20, 8, 22, 23, 2};
    for (const float sign : {-1.0f, 1.0f}) {
        // F0 = 1.2 * tan(45) * sumWcos / 1.2: above the moment factor 1.0 or below it.
        SliceTable t = weightlessSlices(sign < 0 ? 2.0f : 0.5f);
        QuietTrace trace;
        const SpencerResult r = runSpencer(p, t, trace);
        EXPECT_FALSE(r.converged);
        EXPECT_EQ(trace.lines.size(), 158u);  // 0, 0.01, ..., 1.57
        EXPECT_NEAR(trace.lines.back().theta, sign * 1.57f, 1e-4f);
        EXPECT_NEAR(r.theta, sign * 1.58f, 1e-4f);  // the value that went past the bound
        EXPECT_EQ(r.FSM, 1.0f);
        EXPECT_NEAR(r.FST, sign < 0 ? 2.0f : 0.5f, 1e-4f);
    }
}

TEST(Spencer, NoFactorForASoilWithoutStrength) {
    // With neither cohesion nor friction the starting factor is 0 and every slice force divides
    // by it: the calculation stops with finite values instead of dividing.
    const SpencerInput p{0, 0, 18, 10, 20, 8, 22, 23, 20};
    SliceTable table;
    ASSERT_TRUE(prepareSlices(p, table));
    QuietTrace trace;
    const SpencerResult r = runSpencer(p, table, trace);
    EXPECT_FALSE(r.converged);
    EXPECT_TRUE(trace.lines.empty());
    EXPECT_EQ(r.FST, 0.0f);
    EXPECT_EQ(r.FSM, 0.0f);
}

TEST(Slices, DataTheGeometryCannotCutAreRefused) {
    SliceTable table;
    const SpencerInput good{20, 10, 18, 10, 20, 8, 22, 23, 20};
    EXPECT_TRUE(prepareSlices(good, table));
    SpencerInput p = good;
    p.R = 2;  // far from the face line
    EXPECT_FALSE(circleCutsFaceLine(p));
    EXPECT_FALSE(prepareSlices(p, table));
    p = good;
    p.R = -23;  // the same circle, but no moment arm
    EXPECT_FALSE(prepareSlices(p, table));
    p = good;
    p.YCR = 5;
    p.R = 3;  // cuts the face twice but never reaches the crest level
    EXPECT_TRUE(circleCutsFaceLine(p));
    EXPECT_FALSE(prepareSlices(p, table));
    for (int N : {0, -3, 1, 105, 1000}) {  // one slice cannot be shared between crest and face
        p = good;
        p.N = N;
        EXPECT_FALSE(prepareSlices(p, table)) << N;
    }
    p = good;
    p.N = 104;
    EXPECT_TRUE(prepareSlices(p, table));
    p = good;
    p.GAM = 0;  // nothing drives the slide
    EXPECT_FALSE(prepareSlices(p, table));
    p = SpencerInput{0, 38.2f, 20, 10, 5.7735f, -2, 3.5f, 8.525f, 100};  // leans back from the toe
    EXPECT_FALSE(prepareSlices(p, table));
}

// The published check circle of a 2:1 slope (c 600, fi 20, gam 120, H 40), passing below the toe:
// Spencer 2.073.
const SpencerInput kCheckCircle{20, 600, 120, 40, 80, 60, 70, 80, 100};

TEST(Slices, TheTableHoldsTheSlopeProgramsSlicesWithBreaksOnTheEdgeAndTheToe) {
    for (int N : {10, 23, 64, 100}) {
        SpencerInput p = kCheckCircle;
        p.N = N;
        SliceTable t;
        ASSERT_TRUE(prepareSlices(p, t)) << N;
        const marvecos::SliceGeometry g =
            marvecos::computeSliceGeometry({p.H, p.L, p.XCR, p.YCR, p.R, double(N)});
        const std::vector<double> DY = marvecos::soilHeights(g, p.L);
        const marvecos::SliceQuantities q = marvecos::sliceQuantities(g, DY, p.GAM);
        EXPECT_EQ(t.caso, 4);
        EXPECT_EQ(t.X[2 * (N / 8) + 1], 0.0f) << N;
        EXPECT_EQ(t.X[N - 2 * (N / 8) + 1], 80.0f) << N;
        for (int i = 1; i <= N + 1; ++i) {
            EXPECT_EQ(t.X[i], float(g.X[i])) << i;
            EXPECT_EQ(t.YS[i], float(g.YS[i])) << i;
            EXPECT_EQ(t.DY[i], float(g.YS[i] - g.Y[i])) << i;
        }
        for (int k = 1; k <= N; ++k) {
            EXPECT_EQ(t.w[k], float(q.w[k])) << k;
        }
        EXPECT_GT(t.w[N], 0.0f) << N;  // the soil in front of the toe
    }
}

TEST(Spencer, PublishedCheckCircleBelowTheToe) {
    SliceTable table;
    ASSERT_TRUE(prepareSlices(kCheckCircle, table));
    QuietTrace trace;
    const SpencerResult r = runSpencer(kCheckCircle, table, trace);
    ASSERT_TRUE(r.converged);
    EXPECT_NEAR(r.FST, 2.073f, 0.005f * 2.073f);
    EXPECT_NEAR(r.FSM, 2.073f, 0.005f * 2.073f);
}

}  // namespace
}  // namespace grenvil
