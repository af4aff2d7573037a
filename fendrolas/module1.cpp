#include "fendrolas/module1.h"

#include <vector>

#include "common/fieldvalue.h"
#include "common/freeformat.h"
#include "common/numbertext.h"
#include "common/printline.h"
#include "common/safefile.h"
#include "fendrolas/watertablefields.h"

namespace fendrolas {

namespace {

constexpr int kDataNumbers = 32;

float fieldSingle(const common::FieldTexts& fields, const std::string& name) {
    return common::toSingle(common::fieldValue(fields.text(name)));
}

// The field of each number of the data file, in file order.
std::vector<std::string> fieldsInFileOrder() {
    std::vector<std::string> names;
    for (int number = kFirstSoilField; number <= kLastSoilField; ++number) {
        names.push_back(soilField(number));
    }
    for (int i = 1; i <= kStates; ++i) {
        for (int column = kColumnV; column <= kColumnMyz; ++column) {
            names.push_back(loadField(column, i));
        }
    }
    return names;
}

}  // namespace

FoundationProblem problemFromFields(const common::FieldTexts& fields) {
    FoundationProblem p;
    p.fi = fieldSingle(fields, soilField(kFieldFi));
    p.c = fieldSingle(fields, soilField(kFieldC));
    p.g = fieldSingle(fields, soilField(kFieldG));
    p.w = fieldSingle(fields, soilField(kFieldW));
    p.Lx = fieldSingle(fields, soilField(kFieldLx));
    p.Ly = fieldSingle(fields, soilField(kFieldLy));
    p.df = fieldSingle(fields, soilField(kFieldDf));
    for (int i = 1; i <= kStates; ++i) {
        LoadState& s = p.states[i];
        s.V = fieldSingle(fields, loadField(kColumnV, i));
        s.Qx = fieldSingle(fields, loadField(kColumnQx, i));
        s.Qy = fieldSingle(fields, loadField(kColumnQy, i));
        s.Mxz = fieldSingle(fields, loadField(kColumnMxz, i));
        s.Myz = fieldSingle(fields, loadField(kColumnMyz, i));
    }
    return p;
}

std::string dataFileText(const FoundationProblem& p) {
    using common::printSingle;
    std::vector<std::string> lines;
    common::PrintLine soil;
    soil.add(printSingle(p.fi)).add(printSingle(p.c)).add(printSingle(p.g)).add(printSingle(p.w));
    lines.push_back(soil.text());
    common::PrintLine base;
    base.zone(printSingle(p.Lx)).zone(printSingle(p.Ly)).zone(printSingle(p.df));
    lines.push_back(base.text());
    for (int i = 1; i <= kStates; ++i) {
        const LoadState& s = p.states[i];
        common::PrintLine state;
        state.zone(printSingle(s.V)).zone(printSingle(s.Qx)).zone(printSingle(s.Qy));
        state.zone(printSingle(s.Mxz)).zone(printSingle(s.Myz));
        lines.push_back(state.text());
    }
    if (p.water.present) {
        lines.push_back(common::PrintLine()
                            .zone(printSingle(p.water.dw))
                            .zone(printSingle(p.water.gsat))
                            .text());
    }
    return common::joinLines(lines);
}

bool cargardat(const std::string& fileName, common::FieldTexts& fields,
               common::MessageSink& messages) {
    std::vector<double> numbers;
    auto reader = common::FreeFormatReader::fromFile(fileName);
    if (!reader || !reader->readNumbers(numbers, kDataNumbers)) {
        messages.show("Error de datos en el archivo " + fileName + " .", "ERROR",
                      common::MessageIcon::Critical);
        return false;
    }
    // Anything after the 32 numbers that does not begin with a number is ignored, as it always
    // was; a 33rd number is dw and needs gsat after it.
    std::vector<double> water;
    double dw = 0;
    if (!reader->atEnd() && reader->readNumber(dw)) {
        double gsat = 0;
        if (!reader->readNumber(gsat)) {
            messages.show("Error de datos en el archivo " + fileName + " .", "ERROR",
                          common::MessageIcon::Critical);
            return false;
        }
        water = {dw, gsat};
    }
    const std::vector<std::string> names = fieldsInFileOrder();
    for (int k = 0; k < kDataNumbers; ++k) {
        fields.setText(names[k], common::displaySingle(common::toSingle(numbers[k])));
    }
    const bool hasWater = !water.empty();
    fields.setText(soilField(kFieldDw),
                   hasWater ? common::displaySingle(common::toSingle(water[0])) : "");
    fields.setText(soilField(kFieldGsat),
                   hasWater ? common::displaySingle(common::toSingle(water[1])) : "");
    return true;
}

bool grabardat(const std::string& fileName, const common::FieldTexts& fields,
               common::MessageSink& messages) {
    FoundationProblem problem = problemFromFields(fields);
    if (!readWaterTable(fields, messages, problem.water)) {
        return false;
    }
    if (!common::writeFileSafely(fileName, dataFileText(problem))) {
        messages.show("No se pudo guardar el archivo " + fileName, "ERROR",
                      common::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace fendrolas
