#include "marvecos/intersliceresults.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/freeformat.h"
#include "common/patterntext.h"
#include "common/safefile.h"
#include "marvecos/folders.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/methods/modelreport.h"
#include "marvecos/resultfiles.h"

namespace marvecos {

namespace {

// The chart of a run has a few dozen points; a larger count is not a file of ours.
constexpr int kMostChartPoints = 1000;

bool readFlag(common::FreeFormatReader& in, bool& flag) {
    int value = 0;
    if (!readResultCount(in, 0, 1, value)) {
        return false;
    }
    flag = value == 1;
    return true;
}

double mapTo(double value, double low, double high, double from, double to) {
    return from + (value - low) / (high - low) * (to - from);
}

// A curve in pixels, broken where the factor has no value.
std::vector<std::vector<ChartPoint>> curve(const FactorChartFigure& f,
                                           const std::vector<FactorPair>& chart, bool force) {
    std::vector<std::vector<ChartPoint>> pieces(1);
    for (const FactorPair& p : chart) {
        const bool has = force ? p.hasForce : p.hasMoment;
        if (!has) {
            if (!pieces.back().empty()) {
                pieces.emplace_back();
            }
            continue;
        }
        const double F = force ? p.Ff : p.Fm;
        pieces.back().push_back({mapTo(p.lambda, f.lambdaLow, f.lambdaHigh, f.left, f.right),
                                 mapTo(F, f.fLow, f.fHigh, f.bottom, f.top)});
    }
    if (pieces.back().empty()) {
        pieces.pop_back();
    }
    return pieces;
}

}  // namespace

std::optional<InterSliceTables> parseInterSliceTables(const std::string& text) {
    common::FreeFormatReader in(text);
    InterSliceTables t;
    int boundaries = 0;
    if (!readResultCount(in, 2, kMaxSlices + 1, boundaries)) {
        return std::nullopt;
    }
    t.boundaries.resize(static_cast<std::size_t>(boundaries));
    for (InterSliceTables::Boundary& b : t.boundaries) {
        if (!readResultValue(in, b.x) || !readResultValue(in, b.E) || !readResultValue(in, b.X) ||
            !readFlag(in, b.thrustDefined) || !readResultValue(in, b.yThrust)) {
            return std::nullopt;
        }
    }
    int points = 0;
    if (!readResultValue(in, t.F) || !readResultValue(in, t.lambda) ||
        !readResultCount(in, 0, kMaxSlices, t.tensionSlices) ||
        !readResultCount(in, 0, kMostChartPoints, points)) {
        return std::nullopt;
    }
    t.chart.resize(static_cast<std::size_t>(points));
    for (FactorPair& p : t.chart) {
        if (!readResultValue(in, p.lambda) || !readFlag(in, p.hasForce) ||
            !readResultValue(in, p.Ff) || !readFlag(in, p.hasMoment) ||
            !readResultValue(in, p.Fm)) {
            return std::nullopt;
        }
    }
    return t;
}

std::optional<InterSliceTables> readInterSliceTables(const std::string& tempFolder) {
    std::string text;
    if (!common::readWholeFile(pathIn(tempFolder, kInterSliceFile), text)) {
        return std::nullopt;
    }
    return parseInterSliceTables(text);
}

FactorChartFigure factorChartFigure(const InterSliceTables& t, double width, double height) {
    FactorChartFigure f;
    f.left = kChartMarginLeft;
    f.top = kChartMarginTop;
    f.right = std::max(f.left + 1, width - kChartMarginRight);
    f.bottom = std::max(f.top + 1, height - kChartMarginBottom);
    // The ranges hold every value drawn and the solution, with a twentieth to spare above and
    // below so that no curve runs along the frame.
    double lLow = t.lambda, lHigh = t.lambda, fLow = t.F, fHigh = t.F;
    for (const FactorPair& p : t.chart) {
        lLow = std::min(lLow, p.lambda);
        lHigh = std::max(lHigh, p.lambda);
        for (const auto& [has, F] : {std::pair{p.hasForce, p.Ff}, std::pair{p.hasMoment, p.Fm}}) {
            if (has) {
                fLow = std::min(fLow, F);
                fHigh = std::max(fHigh, F);
            }
        }
    }
    if (!(lHigh > lLow)) {
        lLow -= 0.5;
        lHigh += 0.5;
    }
    const double spare = std::max(0.05 * (fHigh - fLow), 0.01 * std::max(1.0, std::fabs(fHigh)));
    f.lambdaLow = lLow;
    f.lambdaHigh = lHigh;
    f.fLow = fLow - spare;
    f.fHigh = fHigh + spare;
    f.force = curve(f, t.chart, true);
    f.moment = curve(f, t.chart, false);
    f.solution = {mapTo(t.lambda, f.lambdaLow, f.lambdaHigh, f.left, f.right),
                  mapTo(t.F, f.fLow, f.fHigh, f.bottom, f.top)};
    for (int i = 0; i < kChartTicks; ++i) {
        const double share = static_cast<double>(i) / (kChartTicks - 1);
        const double lambda = f.lambdaLow + share * (f.lambdaHigh - f.lambdaLow);
        const double F = f.fLow + share * (f.fHigh - f.fLow);
        f.lambdaTicks.push_back({f.left + share * (f.right - f.left), f.bottom,
                                 common::formatPattern(lambda, "##0.00")});
        f.fTicks.push_back(
            {f.left, f.bottom - share * (f.bottom - f.top), common::formatPattern(F, "##0.000")});
    }
    return f;
}

}  // namespace marvecos
