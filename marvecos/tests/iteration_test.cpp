#include "marvecos/methods/iteration.h"

#include <gtest/gtest.h>

#include <cmath>

#include "marvecos/methods/slicemethod.h"

namespace marvecos {
namespace {

// One slice of unit width, no weight, base inclined at -45 degrees, with c = 1 and
// tanfi = 1: Bishop's map is then F(fs) = fs / (fs - 1), which sends fs to the other member
// of a pair around the fixed point 2 and never closes in. The starting value 1.2 * sumL sets
// how far apart the pair stays, that is the error of every iteration.
SliceQuantities swingingSlice(double fs0) {
    SliceQuantities q;
    q.slices = 1;
    for (auto* v :
         {&q.dxx, &q.A, &q.L1, &q.w, &q.cos, &q.sen, &q.tanA, &q.secA, &q.wcos, &q.wsen}) {
        v->assign(2, 0.0);
    }
    q.dxx[1] = 1;
    q.secA[1] = 1;
    q.tanA[1] = -1;
    q.sumWsen = 1;
    q.sumWtan = 1;
    q.sumL = fs0 / 1.2;
    return q;
}

// Error of every iteration started from fs = 2 + d.
double swingError(double d) {
    return (2 + d) * d / (1 + d);
}

TEST(IterateFactor, ConvergedAtTheFirstIterationHasIterZero) {
    // dxx * secA = 1.2 * sumL: the calculated value equals the starting value.
    SliceQuantities q = swingingSlice(1.2);
    q.tanA[1] = 0;
    q.dxx[1] = 1.2;
    const Iteration it = iterateFactor(SliceMethod::Bishop, q, 1, 0);
    EXPECT_TRUE(it.converged);
    EXPECT_EQ(it.iter, 0);
    EXPECT_DOUBLE_EQ(it.fs0, 1.2);
    EXPECT_DOUBLE_EQ(it.result, 1.2);

    EXPECT_EQ(errorsText(it),
              "iter    fs prop       fs calc\r\n"
              "------------------------------------------\r\n"
              "              1.200         1.200\r\n");
    // No iteration lines: the count, the starting value and the result, then the error.
    EXPECT_EQ(resultsText(q, it),
              " 1 \r\n"
              " 1.2           0             0             0             0             0  "
              "           0             0 \r\n"
              " 0             1.2           1.2 \r\n"
              " 0 \r\n");
}

TEST(IterateFactor, ToleranceLoosensAfterIterations500And750) {
    // An error of 0.0005 passes the tolerance 0.001 of iteration 501.
    double d = 0.00025;
    Iteration it = iterateFactor(SliceMethod::Bishop, swingingSlice(2 + d), 1, 1);
    ASSERT_NEAR(swingError(d), 0.0005, 1e-5);
    EXPECT_TRUE(it.converged);
    EXPECT_EQ(it.iter, 501);
    // An error of 0.005 passes the tolerance 0.01 of iteration 751.
    d = 0.0025;
    it = iterateFactor(SliceMethod::Bishop, swingingSlice(2 + d), 1, 1);
    EXPECT_TRUE(it.converged);
    EXPECT_EQ(it.iter, 751);
    EXPECT_EQ(it.result, it.fscalc[751]);
}

TEST(IterateFactor, WithoutConvergenceStopsAfterIteration1000WithTheLastValue) {
    const Iteration it = iterateFactor(SliceMethod::Bishop, swingingSlice(2.05), 1, 1);
    EXPECT_FALSE(it.converged);
    EXPECT_EQ(it.iter, 1001);
    EXPECT_EQ(it.result, it.fscalc[1000]);
    EXPECT_EQ(it.fs, it.fscalc[1000]);  // the proposed value was already replaced
    EXPECT_EQ(it.fsprop[1001], 0);

    const std::string trace = errorsText(it);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 2 + 1001);
    EXPECT_NE(trace.find("\r\n1000          2."), std::string::npos);
    // results.tmp holds pairs 1..1001; the last was never reached and reads 0, 0.
    const std::string results = resultsText(swingingSlice(2.05), it);
    EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 1 + 1 + 1 + 1001 + 1);
    EXPECT_NE(results.find("\r\n 0             0 \r\n"), std::string::npos);
}

TEST(IterateFactor, JanbuDividesBySumWtanWithSecantSquared) {
    SliceQuantities q = swingingSlice(1.2);
    q.tanA[1] = 0;
    q.secA[1] = 2;
    q.sumWtan = 4;
    const Iteration it = iterateFactor(SliceMethod::Janbu, q, 1, 0);
    // S = 1 * 2 * 2 / 1 = 4; 4 / sumWtan = 1 at every iteration.
    EXPECT_EQ(it.iter, 1);
    EXPECT_EQ(it.result, 1);
}

TEST(IterateFactor, DivisionByZeroFailsInsteadOfGivingNaN) {
    // ma = 1 + tanA * tanfi / fs = 0 for fs = 1.
    SliceQuantities q = swingingSlice(1);
    EXPECT_TRUE(iterateFactor(SliceMethod::Bishop, q, 1, 1).failed);
    // A starting value of 0 would divide ma by zero.
    q = swingingSlice(0);
    EXPECT_TRUE(iterateFactor(SliceMethod::Bishop, q, 1, 1).failed);
    // sumWsen = 0 makes the starting value infinite.
    q = swingingSlice(1.5);
    q.sumWsen = 0;
    EXPECT_TRUE(iterateFactor(SliceMethod::Bishop, q, 1, 1).failed);
}

}  // namespace
}  // namespace marvecos
