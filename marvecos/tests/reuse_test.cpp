#include <gtest/gtest.h>

#include <vector>

#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/geometry/slicequantities.h"
#include "marvecos/methods/iteration.h"

namespace marvecos {
namespace {

// Circles of every case, slice counts large and small, and circles that fail, in an order
// where a reused object always holds the leftovers of a different circle.
const std::vector<GeometryInput> kCircles = {
    {10, 20, 12, 17, 25, 100},     // crest to base
    {10, 20, 0, 16, 10, 16},       // crest to face
    {10, 20, 100, 100, 5, 10},     // misses the face
    {10, 20, 10, 8, 4, 10.5},      // face to face, fractional count
    {10, 20, 16, 9, 12.0416, 37},  // face to base
    {10, 20, 0, 16, 10, 0},        // no slices
    {40, 80, 50, 90, 75, 12},      // crest to face
    {10, 20, 12, 17, 25, 5},       // cannot be shared out
    {10, 20, 10, 0, 12, 10},       // first point lifted
};

void expectSameGeometry(const SliceGeometry& a, const SliceGeometry& b) {
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.Xi, b.Xi);
    EXPECT_EQ(a.Xd, b.Xd);
    EXPECT_EQ(a.caso, b.caso);
    EXPECT_EQ(a.slices, b.slices);
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.YS, b.YS);
    EXPECT_EQ(a.firstPointLifted, b.firstPointLifted);
    EXPECT_EQ(a.warnFewSlices, b.warnFewSlices);
}

void expectSameQuantities(const SliceQuantities& a, const SliceQuantities& b) {
    EXPECT_EQ(a.slices, b.slices);
    EXPECT_EQ(a.dxx, b.dxx);
    EXPECT_EQ(a.A, b.A);
    EXPECT_EQ(a.L1, b.L1);
    EXPECT_EQ(a.w, b.w);
    EXPECT_EQ(a.cos, b.cos);
    EXPECT_EQ(a.sen, b.sen);
    EXPECT_EQ(a.tanA, b.tanA);
    EXPECT_EQ(a.secA, b.secA);
    EXPECT_EQ(a.wcos, b.wcos);
    EXPECT_EQ(a.wsen, b.wsen);
    EXPECT_EQ(a.sumL, b.sumL);
    EXPECT_EQ(a.sumWcos, b.sumWcos);
    EXPECT_EQ(a.sumWsen, b.sumWsen);
    EXPECT_EQ(a.sumWtan, b.sumWtan);
    EXPECT_EQ(a.degenerateSlices, b.degenerateSlices);
}

void expectSameIteration(const Iteration& a, const Iteration& b) {
    EXPECT_EQ(a.failed, b.failed);
    EXPECT_EQ(a.converged, b.converged);
    EXPECT_EQ(a.iter, b.iter);
    EXPECT_EQ(a.fs0, b.fs0);
    EXPECT_EQ(a.fs, b.fs);
    EXPECT_EQ(a.fsCalc, b.fsCalc);
    EXPECT_EQ(a.error, b.error);
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.fsprop, b.fsprop);
    EXPECT_EQ(a.fscalc, b.fscalc);
}

TEST(ReusedObjects, GiveTheSameBitsAsFreshResultsWhateverTheyHeldBefore) {
    SliceGeometry g;
    std::vector<double> DY;
    SliceQuantities q;
    Iteration it;
    for (int pass = 0; pass < 2; ++pass) {
        for (const GeometryInput& in : kCircles) {
            SCOPED_TRACE(testing::Message() << "Xcr " << in.Xcr << " n " << in.n);
            computeSliceGeometry(in, g);
            const SliceGeometry fresh = computeSliceGeometry(in);
            expectSameGeometry(g, fresh);
            if (g.status != GeometryStatus::Ok) {
                continue;
            }
            soilHeights(g, in.L, DY);
            EXPECT_EQ(DY, soilHeights(fresh, in.L));
            sliceQuantities(g, DY, 18.5, q);
            expectSameQuantities(q, sliceQuantities(fresh, DY, 18.5));
            for (SliceMethod method : {SliceMethod::Bishop, SliceMethod::Janbu}) {
                iterateFactor(method, q, 12, 0.4, it);
                expectSameIteration(it, iterateFactor(method, q, 12, 0.4));
            }
        }
    }
}

TEST(ReusedObjects, KeepTheirStorageOnceGrown) {
    SliceGeometry g;
    std::vector<double> DY;
    SliceQuantities q;
    Iteration it;
    const GeometryInput large{10, 20, 12, 17, 25, 100};
    computeSliceGeometry(large, g);
    soilHeights(g, large.L, DY);
    sliceQuantities(g, DY, 20, q);
    iterateFactor(SliceMethod::Bishop, q, 10, 0.3, it);
    const double* X = g.X.data();
    const double* dy = DY.data();
    const double* w = q.w.data();
    const double* fsprop = it.fsprop.data();
    for (const GeometryInput& in : kCircles) {
        computeSliceGeometry(in, g);
        if (g.status == GeometryStatus::Ok) {
            soilHeights(g, in.L, DY);
            sliceQuantities(g, DY, 20, q);
            iterateFactor(SliceMethod::Janbu, q, 10, 0.3, it);
        }
    }
    EXPECT_EQ(g.X.data(), X);
    EXPECT_EQ(DY.data(), dy);
    EXPECT_EQ(q.w.data(), w);
    EXPECT_EQ(it.fsprop.data(), fsprop);
}

}  // namespace
}  // namespace marvecos
