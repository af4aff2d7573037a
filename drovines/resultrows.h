#pragma once

#include <string>
#include <vector>

namespace drovines {

// One figure of the result vector as the results window and the report present it.
struct ResultRow {
    int index;                 // position in the result vector
    std::string words;         // caption in the results window, before the symbol
    std::string symbol;        // symbol in the results window
    std::string unit;          // unit after the field in the results window
    std::string reportLabel;   // report line up to the figure
    std::string reportUnit;    // report text after the figure
    std::string heading = "";  // window heading over this row
    std::vector<std::string> reportHeading = {};  // report lines before this row
};

// A frame of the results window, which is also a block of the report.
struct ResultBlock {
    int array;          // the results window's field array, Text<array>_k
    std::string frame;  // frame caption in the results window
    std::vector<ResultRow> rows;
};

// The field array of the seismic figures, shown after a Mononobe-Okabe run only.
constexpr int kSeismicArray = 5;

// The blocks in the order of the results window: four, then the seismic one.
const std::vector<ResultBlock>& resultBlocks();

// The block of field array `array` (1 to 5).
const ResultBlock& resultBlock(int array);

// The element k of field array `array` (Text<array>_k) that shows result `index`.
int fieldElement(int array, int index);

}  // namespace drovines
