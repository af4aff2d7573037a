#include "drovines/fieldchecks.h"

namespace drovines {

namespace {

using common::FieldRule;
using common::NumberField;

// The wall itself must be typed; the rest may be left empty for 0.
constexpr bool kRequired = false;
constexpr bool kMayBeEmpty = true;

}  // namespace

std::vector<NumberField> wallNumberFields(Method method) {
    std::vector<NumberField> list = {
        {field::gam, "Peso especifico gam", FieldRule::AnyNumber, kRequired},
        {field::fi, "Angulo de friccion fi", FieldRule::FrictionAngle, kRequired},
        {field::co, "Cohesion co", FieldRule::AnyNumber, kMayBeEmpty},
        {field::beta, "Angulo del talud beta", FieldRule::AnyNumber, kMayBeEmpty},
        {field::w, "Humedad w", FieldRule::AnyNumber, kMayBeEmpty},
        {field::hn, "Altura de la napa hn", FieldRule::AnyNumber, kMayBeEmpty},
        {field::b1, "Ancho superficial b1", FieldRule::AnyNumber, kRequired},
        {field::H, "Altura total H", FieldRule::Positive, kRequired},
        {field::alfa, "Trasdos con la vertical alfa", FieldRule::AnyNumber, kMayBeEmpty},
        {field::alfa2, "Frente con la vertical alfa2", FieldRule::AnyNumber, kMayBeEmpty},
        {field::delta, "Friccion suelo muro delta", FieldRule::AnyNumber, kMayBeEmpty},
        {field::df, "Profundidad de fundacion df", FieldRule::AnyNumber, kMayBeEmpty},
        {field::delta2, "Angulo friccion base-muro d2", FieldRule::AnyNumber, kMayBeEmpty},
        {field::gm, "Peso especifico muro gm", FieldRule::AnyNumber, kMayBeEmpty},
        {field::q, "Sobrecarga sobre el terraplen q", FieldRule::AnyNumber, kMayBeEmpty},
    };
    if (method == Method::MononobeOkabe) {
        list.push_back(
            {field::kh, "Coeficiente sismico horizontal kh", FieldRule::AnyNumber, kMayBeEmpty});
        list.push_back(
            {field::kv, "Coeficiente sismico vertical kv", FieldRule::AnyNumber, kMayBeEmpty});
    }
    return list;
}

bool checkWallFields(const common::FieldTexts& fields, Method method,
                     common::MessageSink& messages) {
    return common::checkNumberFields(fields, wallNumberFields(method), messages, kProgramTitle);
}

std::vector<std::string> everyWallField() {
    std::vector<std::string> names;
    for (const NumberField& f : wallNumberFields(Method::MononobeOkabe)) {
        names.push_back(f.name);
    }
    return names;
}

}  // namespace drovines
