#include "marvecos/resultfiles.h"

#include <cmath>
#include <limits>

#include "common/freeformat.h"
#include "common/safefile.h"
#include "marvecos/folders.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/methods/iteration.h"

namespace marvecos {

namespace {

template <std::size_t N>
bool readRows(common::FreeFormatReader& in, int count, std::vector<std::array<double, N>>& rows) {
    rows.assign(static_cast<std::size_t>(count), {});
    for (auto& row : rows) {
        for (double& value : row) {
            if (!readResultValue(in, value)) {
                return false;
            }
        }
    }
    return true;
}

bool readCoords(common::FreeFormatReader& in, ResultTables& t) {
    int p = 0;
    if (!readResultCount(in, 1, kMaxSlices + 1, p)) {
        return false;
    }
    t.points.assign(static_cast<std::size_t>(p), {});
    for (auto& point : t.points) {
        double index = 0;  // read and not shown: the grid numbers its rows itself
        if (!readResultValue(in, index)) {
            return false;
        }
        for (double& value : point) {
            if (!readResultValue(in, value)) {
                return false;
            }
        }
    }
    return true;
}

bool readResults(common::FreeFormatReader& in, ResultTables& t) {
    int n = 0;
    return readResultCount(in, 1, kMaxSlices, n) && readRows(in, n, t.slices) &&
           readResultCount(in, 0, kLastIteration + 1, t.iter) && readResultValue(in, t.fs0) &&
           readResultValue(in, t.fs) && readRows(in, t.iter, t.iterations) &&
           readResultValue(in, t.error);
}

}  // namespace

std::optional<ResultTables> parseResultTables(const std::string& coords,
                                              const std::string& results) {
    ResultTables t;
    common::FreeFormatReader coordsIn(coords);
    common::FreeFormatReader resultsIn(results);
    if (!readCoords(coordsIn, t) || !readResults(resultsIn, t)) {
        return std::nullopt;
    }
    return t;
}

std::optional<ResultTables> readResultTables(const std::string& tempFolder) {
    std::string coords, results;
    if (!common::readWholeFile(pathIn(tempFolder, "coords.tmp"), coords) ||
        !common::readWholeFile(pathIn(tempFolder, "results.tmp"), results)) {
        return std::nullopt;
    }
    return parseResultTables(coords, results);
}

// A number that the grids can show. A number beyond the range of a double reads as the largest
// one: no run writes that, so the file is not one of ours.
bool readResultValue(common::FreeFormatReader& in, double& value) {
    return in.readNumber(value) && std::abs(value) < std::numeric_limits<double>::max();
}

// A count written by the program is a whole number within the arrays of a run.
bool readResultCount(common::FreeFormatReader& in, int smallest, int largest, int& count) {
    double value = 0;
    if (!readResultValue(in, value) || value != std::floor(value) || value < smallest ||
        value > largest) {
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

}  // namespace marvecos
