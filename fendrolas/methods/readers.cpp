#include "fendrolas/methods/readers.h"

#include <cmath>
#include <optional>

#include "common/freeformat.h"

namespace fendrolas {

namespace {

std::string pathIn(const std::string& directory, const std::string& fileName) {
    if (directory.empty()) {
        return fileName;
    }
    return directory.back() == '/' ? directory + fileName : directory + "/" + fileName;
}

// A number stored in single precision; one that does not fit is a bad number.
bool readSingle(common::FreeFormatReader& reader, float& value) {
    double number = 0;
    if (!reader.readNumber(number)) {
        return false;
    }
    value = static_cast<float>(number);
    return std::isfinite(value);
}

bool readDouble(common::FreeFormatReader& reader, double& value) {
    return reader.readNumber(value) && std::isfinite(value);
}

// One method file: five lines of qu and Nu, then the two largest values.
bool readMethodFile(const std::string& path, int method, ComparisonData& data) {
    std::optional<common::FreeFormatReader> reader = common::FreeFormatReader::fromFile(path);
    if (!reader) {
        return false;
    }
    for (int state = 1; state <= kStates; ++state) {
        if (!readSingle(*reader, data.quTable[method][state]) ||
            !readSingle(*reader, data.NuTable[method][state])) {
            return false;
        }
    }
    return readSingle(*reader, data.maxQuOf[method]) && readSingle(*reader, data.maxNuOf[method]);
}

// The two lines a run with a water table adds: dw, gsat, q and the five unit weights.
bool readWaterLines(common::FreeFormatReader& reader, WaterUsed& water) {
    if (!readSingle(reader, water.dw) || !readSingle(reader, water.gsat) ||
        !readSingle(reader, water.q)) {
        return false;
    }
    for (int state = 1; state <= kStates; ++state) {
        if (!readSingle(reader, water.gamma[state])) {
            return false;
        }
    }
    water.given = true;
    return true;
}

}  // namespace

bool readSummaryFile(const std::string& directory, MethodResults& table) {
    std::optional<common::FreeFormatReader> reader =
        common::FreeFormatReader::fromFile(pathIn(directory, kSummaryFileName));
    if (!reader) {
        return false;
    }
    MethodResults read = table;
    double method = 0;
    if (!readDouble(*reader, read.Nc) || !readDouble(*reader, read.Nq) ||
        !readDouble(*reader, read.Ngamma) || !readDouble(*reader, method)) {
        return false;
    }
    for (int row = 1; row <= kSavedRows; ++row) {
        for (int state = 1; state <= kStates; ++state) {
            if (!readSingle(*reader, read(row, state))) {
                return false;
            }
        }
    }
    read.water = WaterUsed{};
    if (!reader->atEnd() && !readWaterLines(*reader, read.water)) {
        return false;
    }
    // A number outside 1..5 names no method (and might not fit an int).
    read.method = (method >= 1 && method <= kMethods) ? static_cast<int>(std::lround(method)) : 0;
    table = read;
    return true;
}

bool readComparisonFiles(const std::string& directory, ComparisonData& data) {
    // The order in which the files are read.
    static const int order[kMethods] = {kBrinchHansen, kVesic, kTerzaghi, kMeyerhof, kCcsr};
    ComparisonData read = data;
    for (int method : order) {
        if (!readMethodFile(pathIn(directory, methodFileName(method)), method, read)) {
            return false;
        }
    }
    read.maxQu = -100000;
    read.maxNu = -1000000;
    for (int method = 1; method <= kMethods; ++method) {
        if (read.maxQuOf[method] > read.maxQu)
            read.maxQu = read.maxQuOf[method];
        if (read.maxNuOf[method] > read.maxNu)
            read.maxNu = read.maxNuOf[method];
    }
    data = read;
    return true;
}

}  // namespace fendrolas
