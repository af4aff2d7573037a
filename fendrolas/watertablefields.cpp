#include "fendrolas/watertablefields.h"

#include "common/fieldvalue.h"
#include "common/numberfield.h"
#include "common/numbertext.h"
#include "fendrolas/methods/watertable.h"

namespace fendrolas {

namespace {

std::string withoutBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

void refuse(const std::string& text, common::MessageSink& messages) {
    messages.show(text, "ERROR", common::MessageIcon::Critical);
}

// The number of a water-table field; an empty field is 0.
bool numberIn(const std::string& text, float& value) {
    const std::string token = withoutBlanks(text);
    double number = 0;
    if (!token.empty() && !common::numberText(token, number)) {
        return false;
    }
    value = common::toSingle(number);
    return true;
}

}  // namespace

bool readWaterTable(const common::FieldTexts& fields, common::MessageSink& messages,
                    WaterTable& water) {
    water = WaterTable{};
    const std::string dw = fields.text(soilField(kFieldDw));
    if (withoutBlanks(dw).empty()) {
        return true;
    }
    if (!numberIn(dw, water.dw)) {
        refuse("La profundidad de la napa dw debe ser un numero.", messages);
        return false;
    }
    if (!numberIn(fields.text(soilField(kFieldGsat)), water.gsat)) {
        refuse("El peso especifico saturado gsat debe ser un numero.", messages);
        return false;
    }
    water.present = true;
    return true;
}

bool checkWaterTable(const WaterTable& water, double gamma, common::MessageSink& messages) {
    if (!water.present) {
        return true;
    }
    if (water.dw < 0) {
        refuse("La profundidad de la napa dw no puede ser negativa.", messages);
        return false;
    }
    if (!(water.gsat > static_cast<float>(kGammaW))) {
        refuse("El peso especifico saturado gsat debe ser mayor que el del agua (9.81 kN/m3).",
               messages);
        return false;
    }
    if (water.gsat < gamma) {
        refuse(
            "El peso especifico saturado gsat no puede ser menor que el peso especifico "
            "humedo del suelo g(1+w/100) =" +
                common::printSingle(common::toSingle(gamma)) + "kN/m3.",
            messages);
        return false;
    }
    return true;
}

}  // namespace fendrolas
