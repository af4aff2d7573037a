#include "marvecos/problem.h"

#include <algorithm>

#include "common/fieldvalue.h"

namespace marvecos {

namespace {

int chosenMethod(const MethodButtons& buttons) {
    if (buttons.bishop) {
        return kBishop;
    }
    if (buttons.janbu) {
        return kJanbu;
    }
    if (buttons.spencer) {
        return kSpencer;
    }
    if (buttons.morgensternPrice) {
        return kMorgensternPrice;
    }
    if (buttons.ordinary) {
        return kOrdinary;
    }
    if (buttons.janbuCorrected) {
        return kJanbuCorrected;
    }
    return kNoMethod;
}

}  // namespace

SlopeProblem readSlopeInput(const common::FieldTexts& fields, const MethodButtons& buttons) {
    auto value = [&fields](const char* name) { return common::fieldValue(fields.text(name)); };
    SlopeProblem p;
    p.fi = value("fi");
    p.c = value("c");
    p.gam = value("gam");
    p.H = value("H");
    p.L = value("L");
    p.Xcr = value("Xcr");
    p.Ycr = value("Ycr");
    p.R = value("R");
    // Only the value used is limited; the field keeps what the user typed.
    p.n = std::clamp(value("n"), 10.0, 100.0);
    p.method = chosenMethod(buttons);
    p.function =
        buttons.constantFunction ? InterSliceFunction::Constant : InterSliceFunction::HalfSine;
    return p;
}

MethodButtons buttonsFor(int method, InterSliceFunction function) {
    MethodButtons b;
    b.bishop = method == kBishop;
    b.janbu = method == kJanbu;
    b.spencer = method == kSpencer;
    b.morgensternPrice = method == kMorgensternPrice;
    b.ordinary = method == kOrdinary;
    b.janbuCorrected = method == kJanbuCorrected;
    b.constantFunction = function == InterSliceFunction::Constant;
    return b;
}

GeometryInput geometryInput(const SlopeProblem& p) {
    return GeometryInput{p.H, p.L, p.Xcr, p.Ycr, p.R, p.n};
}

}  // namespace marvecos
