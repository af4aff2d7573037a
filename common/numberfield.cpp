#include "common/numberfield.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"

namespace common {

namespace {

constexpr double kLargestFrictionAngle = 89.0;

std::string withoutBlanks(const std::string& text) {
    std::string packed;
    for (char ch : text) {
        if (ch != ' ' && ch != '\t') {
            packed += ch;
        }
    }
    return packed;
}

std::string quoted(const std::string& caption) {
    return "\"" + caption + "\"";
}

}  // namespace

bool numberText(const std::string& text, double& value) {
    std::string packed = withoutBlanks(text);
    const std::size_t comma = packed.find(',');
    if (comma != std::string::npos) {
        // One comma and no point: the decimal comma of a Spanish keyboard.
        if (packed.find(',', comma + 1) != std::string::npos ||
            packed.find('.') != std::string::npos) {
            return false;
        }
        packed[comma] = '.';
    }
    return parseNumberToken(packed, value);
}

std::string refusalOf(const std::string& text, const NumberField& field, double& value) {
    if (withoutBlanks(text).empty()) {
        value = 0;
        return field.emptyIsZero ? "" : "El campo " + quoted(field.caption) + " esta vacio.";
    }
    if (!numberText(text, value)) {
        return "El campo " + quoted(field.caption) + " no contiene un numero: \"" + text + "\".";
    }
    switch (field.rule) {
        case FieldRule::AnyNumber:
            break;
        case FieldRule::NotNegative:
            if (value < 0) {
                return "El campo " + quoted(field.caption) + " no puede ser negativo.";
            }
            break;
        case FieldRule::Positive:
            if (value <= 0) {
                return "El campo " + quoted(field.caption) + " debe ser mayor que cero.";
            }
            break;
        case FieldRule::FrictionAngle:
            if (value < 0 || value > kLargestFrictionAngle) {
                return "El campo " + quoted(field.caption) + " debe estar entre 0 y" +
                       numberInText(static_cast<long>(kLargestFrictionAngle)) + " grados.";
            }
            break;
    }
    return "";
}

bool checkNumberFields(const FieldTexts& fields, const std::vector<NumberField>& list,
                       MessageSink& messages, const std::string& title) {
    for (const NumberField& field : list) {
        double value = 0;
        const std::string refusal = refusalOf(fields.text(field.name), field, value);
        if (!refusal.empty()) {
            messages.show(refusal, title, MessageIcon::Critical);
            return false;
        }
    }
    return true;
}

}  // namespace common
