#include "marvecos/resultscsv.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/patterntext.h"

namespace marvecos {

namespace {

const char* const kPointsTitle = "Coordenadas del circulo y de la superficie del talud";
const char* const kSlicesTitle = "Calculos para cada dovela";
const char* const kIterationTitle = "Iteracion del factor de seguridad";
const char* const kModelTitle = "Dovelas sobre el terreno";
const std::vector<const char*> kPointHeadings = {"x circ", "y circ", "x superf", "y superf"};
const std::vector<const char*> kSliceHeadings = {"Dx",      "Area",    "Long Li", "Peso W",
                                                 "cos tit", "sen tit", "w*cos",   "w*sen"};
const std::vector<const char*> kIterationHeadings = {"fsprop", "fscalc"};
constexpr const char* kGridPattern = "#####0.000";
constexpr int kPrintColumn = 12;

// Shortest text that reads back to the same double.
std::string csvNumber(double value) {
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) {
            break;
        }
    }
    return text;
}

struct Grid {
    const char* title;
    std::vector<const char*> headings;
    std::vector<std::vector<double>> rows;
};

template <std::size_t N>
std::vector<std::vector<double>> rowsOf(const std::vector<std::array<double, N>>& rows) {
    std::vector<std::vector<double>> out;
    for (const auto& row : rows) {
        out.emplace_back(row.begin(), row.end());
    }
    return out;
}

std::vector<Grid> gridsOf(const ResultTables& t, const std::optional<ModelSlices>& model) {
    std::vector<Grid> grids = {{kPointsTitle, kPointHeadings, rowsOf(t.points)},
                               {kSlicesTitle, kSliceHeadings, rowsOf(t.slices)},
                               {kIterationTitle, kIterationHeadings, rowsOf(t.iterations)}};
    if (model) {
        Grid g{kModelTitle, kModelSliceHeadings, {}};
        for (int k = 1; k <= model->slices; ++k) {
            g.rows.push_back(modelSliceRow(*model, k));
        }
        grids.push_back(g);
    }
    return grids;
}

std::string padded(const std::string& text) {
    return text.size() >= kPrintColumn ? text + " "
                                       : std::string(kPrintColumn - text.size(), ' ') + text;
}

}  // namespace

std::optional<ModelSlices> modelSlicesOf(const SlopeProblem& p, const GroundModel& model) {
    if (usesNoNewInputs(model)) {
        return std::nullopt;
    }
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    if (g.status != GeometryStatus::Ok || g.slices <= 0) {
        return std::nullopt;
    }
    ModelSlices s;
    modelSlices(g, p.Xcr, p.Ycr, p.R, p.H, p.L, {p.fi, p.c, p.gam}, model, s);
    return s;
}

std::vector<double> modelSliceRow(const ModelSlices& s, int k) {
    const auto i = static_cast<std::size_t>(k);
    return {static_cast<double>(s.baseLayer[i]), s.c[i], s.fi[i], s.u[i], s.Q[i], s.kW[i]};
}

std::string resultsCsvText(const ResultTables& t, const std::optional<ModelSlices>& model) {
    std::string csv;
    for (const Grid& g : gridsOf(t, model)) {
        csv += std::string(g.title) + "\r\n";
        csv += "i";
        for (const char* heading : g.headings) {
            csv += std::string(",") + heading;
        }
        csv += "\r\n";
        for (std::size_t r = 0; r < g.rows.size(); ++r) {
            csv += std::to_string(r + 1);
            for (double value : g.rows[r]) {
                csv += "," + csvNumber(value);
            }
            csv += "\r\n";
        }
        csv += "\r\n";
    }
    csv += "fs," + csvNumber(t.fs) + "\r\n";
    return csv;
}

std::vector<std::string> resultsPrintLines(const ResultTables& t,
                                           const std::optional<ModelSlices>& model,
                                           const std::string& title) {
    std::vector<std::string> lines = {title, ""};
    for (const Grid& g : gridsOf(t, model)) {
        lines.push_back(g.title);
        std::string heading = padded("i");
        for (const char* h : g.headings) {
            heading += padded(h);
        }
        lines.push_back(heading);
        for (std::size_t r = 0; r < g.rows.size(); ++r) {
            std::string line = padded(std::to_string(r + 1));
            for (double value : g.rows[r]) {
                line += padded(common::formatPattern(value, kGridPattern));
            }
            lines.push_back(line);
        }
        lines.push_back("");
    }
    lines.push_back("Factor de seguridad calculado: fs= " +
                    common::formatPattern(t.fs, "####0.000"));
    return lines;
}

}  // namespace marvecos
