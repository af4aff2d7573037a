#include <iostream>

#include "grenvil/dialogue.h"

int main() {
    return grenvil::runGrenvil(std::cin, std::cout, std::cerr, "aver.out");
}
