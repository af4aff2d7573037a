#include "marvecos/fieldchecks.h"

#include "marvecos/program.h"

namespace marvecos {

namespace {

using common::FieldRule;
using common::NumberField;

// An empty field reads as 0, whose own message follows when 0 cannot be taken.
constexpr bool kEmptyIsZero = true;
// fi, c, gam, H and L: what a search reads before it tries circles of its own.
constexpr int kSoilAndSlopeFields = 5;

}  // namespace

const std::vector<NumberField>& slopeNumberFields() {
    static const std::vector<NumberField> list = {
        {"fi", "Angulo de friccion interna fi", FieldRule::FrictionAngle, kEmptyIsZero},
        {"c", "Cohesion c", FieldRule::NotNegative, kEmptyIsZero},
        {"gam", "Peso especifico gam", FieldRule::NotNegative, kEmptyIsZero},
        {"H", "Altura del talud H", FieldRule::NotNegative, kEmptyIsZero},
        {"L", "Longitud del talud L", FieldRule::AnyNumber, kEmptyIsZero},
        {"Xcr", "Xcr", FieldRule::AnyNumber, kEmptyIsZero},
        {"Ycr", "Ycr", FieldRule::AnyNumber, kEmptyIsZero},
        {"R", "Radio de la circunferencia R", FieldRule::NotNegative, kEmptyIsZero},
        {"n", "Numero de dovelas n", FieldRule::AnyNumber, kEmptyIsZero},
    };
    return list;
}

bool checkSlopeFields(const common::FieldTexts& fields, common::MessageSink& messages) {
    return common::checkNumberFields(fields, slopeNumberFields(), messages, kProgramTitle);
}

bool checkSoilAndSlopeFields(const common::FieldTexts& fields, common::MessageSink& messages) {
    const std::vector<NumberField>& all = slopeNumberFields();
    const std::vector<NumberField> soilAndSlope(all.begin(), all.begin() + kSoilAndSlopeFields);
    return common::checkNumberFields(fields, soilAndSlope, messages, kProgramTitle);
}

bool slopeFieldsAccepted(const common::FieldTexts& fields) {
    common::RecordingMessages silent;
    return checkSlopeFields(fields, silent);
}

}  // namespace marvecos
