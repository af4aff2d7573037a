#include "marvecos/search/searchmap.h"

#include <cmath>
#include <iterator>

#include "common/patterntext.h"

namespace marvecos {

namespace {

// Upper ends of the bands, as multiples of the least factor.
constexpr double kBandEnds[] = {1.05, 1.10, 1.25, 1.5, 2.0};
// Light red nearest the critical circle, through yellow, light green, light cyan and light
// blue, to light grey far from it.
constexpr int kBandColors[] = {12, 14, 10, 11, 9, 7};

std::string factorText(double fs) {
    return common::formatPattern(fs, "####0.000");
}

std::vector<MapBand> bandsFrom(double least) {
    std::vector<MapBand> bands;
    double from = least;
    for (std::size_t i = 0; i < std::size(kBandEnds); ++i) {
        const double to = least * kBandEnds[i];
        bands.push_back(
            MapBand{from, to, kBandColors[i], factorText(from) + " - " + factorText(to)});
        from = to;
    }
    bands.push_back(MapBand{from, 0, kBandColors[std::size(kBandEnds)], "> " + factorText(from)});
    return bands;
}

int bandOf(const std::vector<MapBand>& bands, double fs) {
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        if (fs < bands[i].to) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(bands.size()) - 1;
}

// Half the distance between neighbouring points of an axis; 0 for a single point.
double halfStep(const GridAxis& a) {
    return a.count > 1 ? std::fabs(a.to - a.from) / (a.count - 1) / 2 : 0;
}

}  // namespace

SearchMap searchMap(const SearchResult& result) {
    SearchMap map;
    if (!result.found) {
        return map;
    }
    map.hasCritical = true;
    map.criticalX = result.critical.Xcr;
    map.criticalY = result.critical.Ycr;
    map.criticalFs = result.critical.fs;
    map.bands = bandsFrom(result.critical.fs);

    const SearchGrid& grid = result.grid;
    // A single row or column of centres takes the cell size of the other axis, or half a
    // metre, so that it still shows.
    double hx = halfStep(grid.x);
    double hy = halfStep(grid.y);
    if (hx == 0) {
        hx = hy > 0 ? hy : 0.5;
    }
    if (hy == 0) {
        hy = hx;
    }
    for (int iy = 0; iy < grid.y.count; ++iy) {
        for (int ix = 0; ix < grid.x.count; ++ix) {
            const CentreFactor& centre = result.map[iy * grid.x.count + ix];
            const double x = result.centreX(ix);
            const double y = result.centreY(iy);
            MapCell cell{x - hx, x + hx, y - hy, y + hy, -1};
            if (centre.found) {
                cell.band = bandOf(map.bands, centre.fs);
            }
            map.cells.push_back(cell);
        }
    }
    return map;
}

}  // namespace marvecos
