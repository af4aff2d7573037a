#pragma once

// What the results window shows of a calculation by Spencer or Morgenstern-Price: the file
// "interdovelas.tmp" of the last run, read back, and the chart of the force and moment factors
// against lambda in pixels. Qt-free.

#include <optional>
#include <string>
#include <vector>

#include "marvecos/methods/interslicesolver.h"
#include "marvecos/slopefigure.h"

namespace marvecos {

struct InterSliceTables {
    struct Boundary {
        double x = 0, E = 0, X = 0;
        bool thrustDefined = false;
        double yThrust = 0;  // the line of thrust, where defined
    };
    std::vector<Boundary> boundaries;
    double F = 0, lambda = 0;
    int tensionSlices = 0;
    std::vector<FactorPair> chart;
};

// Nothing when the text is not a whole file of ours (a word, a short file, a bad count).
std::optional<InterSliceTables> parseInterSliceTables(const std::string& text);
std::optional<InterSliceTables> readInterSliceTables(const std::string& tempFolder);

struct ChartPoint {
    double x = 0, y = 0;
};

// The chart in pixels of an area width x height: the plot frame, the two curves (broken where
// a factor has no value), the solution, and the tick labels of both axes.
struct FactorChartFigure {
    double left = 0, top = 0, right = 0, bottom = 0;  // the plot frame
    double lambdaLow = 0, lambdaHigh = 1, fLow = 0, fHigh = 1;
    std::vector<std::vector<ChartPoint>> force, moment;
    ChartPoint solution;
    std::vector<FigureText> lambdaTicks, fTicks;  // at the foot of the frame and left of it
};

// Pixel margins of the plot frame within the area.
constexpr double kChartMarginLeft = 52, kChartMarginRight = 12;
constexpr double kChartMarginTop = 24, kChartMarginBottom = 34;
constexpr int kChartTicks = 5;

FactorChartFigure factorChartFigure(const InterSliceTables& t, double width, double height);

}  // namespace marvecos
