#include "marvecos/model/groundmodel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "marvecos/batch.h"
#include "marvecos/calcular.h"
#include "marvecos/methods/circlefactor.h"
#include "marvecos/resultfiles.h"
#include "marvecos/search/circlesearch.h"
#include "marvecos/search/searchcsv.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

// Fredlund & Krahn (1977): 2:1 slope, H 40 ft, c 600 psf, fi 20, gam 120 pcf.
const SlopeProblem kFredlundKrahn{20, 600, 120, 40, 80, 60, 70, 80, 50, kBishop};

// Duncan & Wright's two materials with water, moved into the program's frame (x - 60, y - 20):
// the embankment is the top soil, the foundation a layer from y = 0 down to the base y = -20.
// The circle is the critical one the program's search finds (README).
const SlopeProblem kDuncanWright{25, 600, 125, 40, 80, 63, 67, 76.597, 50, kBishop};

GroundModel duncanWrightGround() {
    GroundModel m;
    m.layers.push_back({30, 0, 132, {{-100, 200}, {0, 0}}});
    m.base = -20;
    m.water = WaterKind::Piezometric;
    m.piezometric = {{-60, 40, 80, 140}, {20, 10, 0, 0}};
    m.gamw = 62.4;
    return m;
}

GroundModel poreRatio(double ru) {
    GroundModel m;
    m.water = WaterKind::PoreRatio;
    m.ru = ru;
    m.gamw = 62.4;
    return m;
}

// The factor of one circle, as "Calcular" reaches it, without files.
double factor(SliceMethod method, const SlopeProblem& p, const GroundModel& model) {
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    EXPECT_EQ(g.status, GeometryStatus::Ok);
    FactorWork w;
    const CircleVerdict v = usesNoNewInputs(model) ? factorOnSlices(method, p, g, w)
                                                   : factorOnModel(method, p, model, g, w);
    EXPECT_TRUE(givesFactor(v));
    return w.it.result;
}

TEST(GroundModel, PublishedChecksWithinOnePercent) {
    const struct {
        const char* name;
        SlopeProblem p;
        GroundModel model;
        double published;
    } cases[] = {
        {"Fredlund & Krahn, ru 0.25", kFredlundKrahn, poreRatio(0.25), 1.766},
        {"Duncan & Wright, two materials and water", kDuncanWright, duncanWrightGround(), 1.533},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(factor(SliceMethod::Bishop, c.p, c.model), c.published, 0.01 * c.published)
            << c.name;
    }
}

TEST(GroundModel, InputsThatChangeNothingGiveTheHomogeneousFigures) {
    const SlopeProblem p{20, 10, 18, 10, 20, 5, 20, 20, 50, kBishop};
    GroundModel sameSoil;  // a layer of the top soil itself, crossing the circle
    sameSoil.layers.push_back({20, 10, 18, {{-10, 30}, {6, 2}}});
    GroundModel zeros;  // water below everything, a load of nothing, no earthquake
    zeros.water = WaterKind::Piezometric;
    zeros.piezometric = {{-50, 50}, {-30, -30}};
    zeros.strips.push_back({-5, 5, 0, 0});
    zeros.lineLoads.push_back({2, 0});
    for (const GroundModel& model : {sameSoil, zeros}) {
        ASSERT_FALSE(usesNoNewInputs(model));
        for (SliceMethod method : {SliceMethod::Bishop, SliceMethod::Janbu}) {
            const double homogeneous = factor(method, p, GroundModel{});
            EXPECT_NEAR(factor(method, p, model), homogeneous, 1e-9 * homogeneous);
        }
    }
}

TEST(GroundModel, RisingWaterOverASubmergedSlopeLeavesTheFactor) {
    const SlopeProblem p{30, 5, 20, 10, 20, 8, 18, 17, 60, kBishop};
    auto submerged = [](double level) {
        GroundModel m;
        m.water = WaterKind::Piezometric;
        m.piezometric = {{-50, 50}, {level, level}};
        return m;
    };
    for (SliceMethod method : {SliceMethod::Bishop, SliceMethod::Janbu}) {
        // Equal within the iteration's tolerance: the first trial, from the ordinary method,
        // does change with the level.
        const double justCovered = factor(method, p, submerged(10.5));
        EXPECT_NEAR(factor(method, p, submerged(25)), justCovered, 1e-4);
        // The water both weighs on the face and pushes on it: without the push the factor
        // would change with the level.
        EXPECT_GT(justCovered, factor(method, p, GroundModel{}));
    }
}

// Each slice of g cut into `parts` equal slices on the same circle and ground.
SliceGeometry finer(const SliceGeometry& g, const SlopeProblem& p, int parts) {
    SliceGeometry f = g;
    f.slices = g.slices * parts;
    f.X.assign(f.slices + 2, 0);
    f.Y = f.YS = f.X;
    for (int k = 1; k <= g.slices; ++k) {
        for (int j = 0; j <= parts; ++j) {
            const int i = (k - 1) * parts + 1 + j;
            const double t = static_cast<double>(j) / parts;
            f.X[i] = g.X[k] + t * (g.X[k + 1] - g.X[k]);
            f.YS[i] = g.YS[k] + t * (g.YS[k + 1] - g.YS[k]);
            const double dx = f.X[i] - p.Xcr;
            f.Y[i] = std::min(f.YS[i], p.Ycr - std::sqrt(std::max(0.0, p.R * p.R - dx * dx)));
        }
    }
    return f;
}

TEST(GroundModel, HundredSlicesAreWithinHalfAPercentOfVeryFineSlices) {
    SlopeProblem p = kDuncanWright;
    p.n = 100;
    GroundModel model = duncanWrightGround();
    model.strips.push_back({-30, -5, 250, 100});
    model.kh = 0.1;
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    FactorWork w;
    ASSERT_TRUE(givesFactor(factorOnModel(SliceMethod::Bishop, p, model, g, w)));
    const double hundred = w.it.result;
    ModelSlices fine;
    modelSlices(finer(g, p, 40), p.Xcr, p.Ycr, p.R, p.H, p.L, {p.fi, p.c, p.gam}, model, fine);
    Iteration it;
    iterateFactor(SliceMethod::Bishop, fine, it);
    EXPECT_NEAR(hundred, it.result, 0.005 * it.result);
}

TEST(GroundModel, TheMassEndsWhereTheCircleFirstLeavesTheGround) {
    // Leaves through the face above the toe and dips into the ground beyond it.
    const SlopeProblem p{19.6, 3, 20, 10, 20, 23.499, 35.824, 35.892, 50, kBishop};
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    EXPECT_LT(g.Xd, p.L);
    for (int i = 2; i <= g.slices; ++i) {
        EXPECT_GT(g.YS[i] - g.Y[i], 0) << "boundary " << i;
    }
    // The whole mass counted 1.068 before; the real sliding body about 0.998.
    EXPECT_NEAR(factor(SliceMethod::Bishop, p, GroundModel{}), 0.998, 0.005);
}

TEST(GroundModel, SearchKeepsNoCircleAndWritesTheSameFile) {
    SlopeProblem p = kDuncanWright;
    const GroundModel model = duncanWrightGround();
    SearchGrid grid = defaultSearchGrid(p.H, p.L);
    grid.x.count = grid.y.count = 7;
    const SearchResult kept = searchCriticalCircle(SliceMethod::Bishop, p, model, grid);

    TempFolder folder;
    SearchCsvStream csv(folder.file("busqueda.csv"));
    SearchControl control;
    control.keepCircles = false;
    control.sink = &csv;
    const SearchResult streamed =
        searchCriticalCircle(SliceMethod::Bishop, p, model, grid, control);
    ASSERT_TRUE(csv.finish());
    EXPECT_TRUE(streamed.circles.empty());
    EXPECT_EQ(folder.read("busqueda.csv"), searchCsvText(kept));
    EXPECT_EQ(streamed.critical.fs, kept.critical.fs);
    // The base limits the radii: the deepest circle of a centre just reaches it.
    EXPECT_GE(streamed.critical.Ycr - streamed.critical.R, *model.base);
}

TEST(GroundModel, BatchTakesTheFileAndItsOverrides) {
    TempFolder folder;
    ASSERT_TRUE(common::writeFileSafely(folder.file("fk.tal"),
                                        "suelo 20 600 120\ntalud 40 80\ncirculo 60 70 80 50\n"
                                        "metodo bishop\nru 0.25\n"));
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"--batch", "--file", folder.file("fk.tal")}, kBatchComputed, "fs=1.760\n"},
        {{"--batch", "--file", folder.file("fk.tal"), "--ru", "0"}, kBatchComputed, "fs=2.076\n"},
        {{"--batch", "--method", "janbu", "--file", folder.file("fk.tal"), "--c", "0", "--fi", "0"},
         kBatchNoResult,
         ""},
        {{"--batch", "--file", folder.file("missing.tal")}, kBatchUsage, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        common::RecordingMessages messages;
        EXPECT_EQ(runBatch(c.args, {folder.path(), folder.path()}, out, err, messages), c.exitCode)
            << err.str();
        EXPECT_EQ(out.str(), c.out);
    }
}

TEST(GroundModel, ModelsBuiltByHandAreCheckedAsTheFileChecksThem) {
    const GroundModel sound = duncanWrightGround();
    EXPECT_EQ(groundModelFault(sound), "");
    GroundModel onePoint = sound;
    onePoint.layers[0].top = {{0}, {0}};
    GroundModel backwards = sound;
    backwards.piezometric.x = {0, -10, 20, 30};
    GroundModel notANumber = sound;
    notANumber.strips.push_back({0, 5, std::nan(""), 1});
    GroundModel earthquake = sound;
    earthquake.kh = 1;
    for (const GroundModel& m : {onePoint, backwards, notANumber, earthquake}) {
        EXPECT_NE(groundModelFault(m), "");
        common::RecordingMessages messages;
        common::MemoryFields fields;
        for (const char* name : kSlopeFieldNames) {
            fields.setText(name, "20");
        }
        TempFolder folder;
        EXPECT_FALSE(
            calcular(fields, {true, false, false}, m, {folder.path(), folder.path()}, messages)
                .computed);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text.rfind("El modelo del terreno no es valido", 0), 0u);
    }
}

TEST(GroundModel, ReportListsWhatEachSliceCarriesAfterItsUsualContent) {
    TempFolder folder;
    common::RecordingMessages messages;
    GroundModel model = duncanWrightGround();
    model.kh = 0.1;
    const MethodOutcome run = runSliceMethod(SliceMethod::Bishop, kDuncanWright, model,
                                             {folder.path(), folder.path()}, messages);
    ASSERT_TRUE(run.computed);
    const std::string report = folder.read("Bishop.out");
    const std::size_t usualEnd = report.find("error=");
    const std::size_t listing = report.find("i   capa");
    ASSERT_NE(listing, std::string::npos);
    EXPECT_LT(usualEnd, listing);
    EXPECT_EQ(report.find("nan"), std::string::npos);
    // The results window reads its files back, the model's weights in them.
    EXPECT_TRUE(readResultTables(folder.path()));
}

}  // namespace
}  // namespace marvecos
