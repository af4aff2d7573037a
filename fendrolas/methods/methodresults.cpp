#include "fendrolas/methods/methodresults.h"

namespace fendrolas {

std::string methodFileName(int method) {
    switch (method) {
        case kTerzaghi:
            return "terza.out";
        case kMeyerhof:
            return "meyer.out";
        case kBrinchHansen:
            return "hansen.out";
        case kVesic:
            return "vesic.out";
        case kCcsr:
            return "ccsr.out";
        default:
            return "";
    }
}

std::string methodCaptionSuffix(int method) {
    switch (method) {
        case kTerzaghi:
            return "Terzaghi";
        case kMeyerhof:
            return "Meyerhof";
        case kBrinchHansen:
            return "Brinch Hansen";
        case kVesic:
            return "Vesic";
        case kCcsr:
            return "CCSR Mza 87";
        default:
            return "";
    }
}

std::string partialResultsCaption(int method) {
    return "Resultados parciales - " + methodCaptionSuffix(method);
}

}  // namespace fendrolas
