#include "fendrolas/fieldchecks.h"

#include "fendrolas/problem.h"

namespace fendrolas {

namespace {

using common::FieldRule;
using common::NumberField;

const char* const kTitle = "ERROR";

std::vector<NumberField> buildMainWindowFields() {
    std::vector<NumberField> list = {
        // An empty field is 0; zeros the calculation cannot take have their own messages.
        {soilField(kFieldFi), "Angulo de friccion interna fi", FieldRule::FrictionAngle, true},
        {soilField(kFieldC), "Cohesion c", FieldRule::NotNegative, true},
        {soilField(kFieldG), "Peso especifico suelo seco g", FieldRule::NotNegative, true},
        {soilField(kFieldW), "Humedad w", FieldRule::NotNegative, true},
        // Lx and Ly nil or negative have their own message.
        {soilField(kFieldLx), "Longitud Lx", FieldRule::AnyNumber, true},
        {soilField(kFieldLy), "Longitud Ly", FieldRule::AnyNumber, true},
        {soilField(kFieldDf), "Profundidad de fundacion df", FieldRule::NotNegative, true},
    };
    const char* const columns[] = {"Carga vertical V", "Corte Qx", "Corte Qy", "Momento Mxz",
                                   "Momento Myz"};
    for (int state = 1; state <= kStates; ++state) {
        for (int column = kColumnV; column <= kColumnMyz; ++column) {
            // An unused load state is left empty.
            list.push_back(
                {loadField(column, state),
                 std::string(columns[column - 1]) + " del estado " + std::to_string(state),
                 FieldRule::AnyNumber, true});
        }
    }
    return list;
}

}  // namespace

const std::vector<NumberField>& mainWindowNumberFields() {
    static const std::vector<NumberField> list = buildMainWindowFields();
    return list;
}

bool checkMainWindowFields(const common::FieldTexts& fields, common::MessageSink& messages) {
    return common::checkNumberFields(fields, mainWindowNumberFields(), messages, kTitle);
}

bool checkCoefficients(int method, const CoefficientTexts& texts, common::MessageSink& messages) {
    common::MemoryFields dialog;
    std::vector<NumberField> list;
    if (method == kBrinchHansen) {
        dialog.setText("alfa1", texts.alfa1);
        dialog.setText("alfa2", texts.alfa2);
        dialog.setText("cc", texts.cc);
        list = {{"alfa1", "Coeficiente alfa1", FieldRule::Positive},
                {"alfa2", "Coeficiente alfa2", FieldRule::Positive},
                {"cc", "Coeficiente que multiplica a la cohesion cc", FieldRule::NotNegative}};
    } else if (method == kVesic) {
        dialog.setText("cc", texts.vesicCc);
        list = {{"cc", "Coeficiente usado por Vesic cc", FieldRule::NotNegative}};
    }
    return common::checkNumberFields(dialog, list, messages, kTitle);
}

std::vector<std::string> everyFieldName() {
    std::vector<std::string> names;
    for (const NumberField& field : mainWindowNumberFields()) {
        names.push_back(field.name);
    }
    names.push_back(soilField(kFieldDw));
    names.push_back(soilField(kFieldGsat));
    return names;
}

}  // namespace fendrolas
