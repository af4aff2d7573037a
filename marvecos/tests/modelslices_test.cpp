#include "marvecos/model/modelslices.h"

#include <gtest/gtest.h>

namespace marvecos {
namespace {

// One slice 2 m wide under level ground, its base level at y = -4: a hand calculation.
SliceGeometry oneSlice() {
    SliceGeometry g;
    g.slices = 1;
    g.X = {0, 0, 2};
    g.Y = {0, -4, -4};
    g.YS = {0, 0, 0};
    return g;
}

// The top soil (gam 18) down to y = -1 over a layer c 10, fi 30, gam 20.
GroundModel twoSoils() {
    GroundModel m;
    m.layers.push_back({30, 10, 20, {{-5, 5}, {-1, -1}}});
    return m;
}

TEST(ModelSlices, QuantitiesOfOneSliceByHand) {
    GroundModel water = twoSoils();
    water.water = WaterKind::Piezometric;
    water.piezometric = {{-5, 5}, {-2, -2}};
    GroundModel ratio = twoSoils();
    ratio.water = WaterKind::PoreRatio;
    ratio.ru = 0.5;
    GroundModel loads = twoSoils();
    loads.strips.push_back({0, 1, 10, 20});
    loads.strips.push_back({-3, -1, 50, 50});  // off the slice
    loads.lineLoads.push_back({1.5, 5});
    loads.kh = 0.1;
    GroundModel ponded = twoSoils();
    ponded.water = WaterKind::Piezometric;
    ponded.piezometric = {{-5, 5}, {1, 1}};

    ModelSlices s;
    const Soil top{20, 5, 18};
    const double W = 18 * 1 * 2 + 20 * 3 * 2;
    const struct {
        const char* what;
        const GroundModel& model;
        const std::vector<double> ModelSlices::*field;
        double expected;
    } cases[] = {
        {"W, the sum of the parts", water, &ModelSlices::W, W},
        {"yG, their centre of gravity", water, &ModelSlices::yG, (36 * -0.5 + 120 * -2.5) / W},
        {"c of the layer at the base", water, &ModelSlices::c, 10},
        {"u = gamw (y_water - y)", water, &ModelSlices::u, 9.81 * 2},
        {"u = ru sigma_v", ratio, &ModelSlices::u, 0.5 * (18 * 1 + 20 * 3)},
        {"Q, strip and line load", loads, &ModelSlices::Q, 15 + 5},
        {"xQ", loads, &ModelSlices::xQ, (15 * (10.0 + 40) / 90 + 5 * 1.5) / 20},
        {"kh W", loads, &ModelSlices::kW, 0.1 * W},
        {"ponded water's weight", ponded, &ModelSlices::pondV, 9.81 * 1 * 2},
        {"c*b + (W + Q + Pv - u*b) tanfi", water, &ModelSlices::resisting,
         10 * 2 + (W - 9.81 * 2 * 2) * 0.5773552},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(modelSlices(oneSlice(), 1, 100, 104, 10, 20, top, c.model, s),
                  ModelSliceStatus::Ok);
        EXPECT_NEAR((s.*c.field)[1], c.expected, 1e-5 * std::max(1.0, std::abs(c.expected)))
            << c.what;
    }
    GroundModel based = twoSoils();
    based.base = -3;
    EXPECT_EQ(modelSlices(oneSlice(), 1, 100, 104, 10, 20, top, based, s),
              ModelSliceStatus::BelowBase);
}

}  // namespace
}  // namespace marvecos
