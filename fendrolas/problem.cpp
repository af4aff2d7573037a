#include "fendrolas/problem.h"

namespace fendrolas {

std::string soilField(int number) {
    return "Text" + std::to_string(number);
}

std::string loadField(int column, int state) {
    return "Text" + std::to_string(column) + "_" + std::to_string(state - 1);
}

}  // namespace fendrolas
