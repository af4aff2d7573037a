#include "drovines/datafile.h"

#include <array>
#include <optional>
#include <vector>

#include "common/fieldvalue.h"
#include "common/freeformat.h"
#include "common/numbertext.h"
#include "common/printline.h"
#include "common/safefile.h"

namespace drovines {

namespace {

constexpr int kValuesInFile = 15;
constexpr int kMethodLine = 13;
// Mononobe-Okabe adds kh and kv as lines 16 and 17; a file without them has kh = kv = 0.
constexpr int kSeismicValues = 2;
const std::array<std::string, kSeismicValues> kSeismicFields = {field::kh, field::kv};

// Field of each line of the file; line 13 holds the method code instead.
const std::array<std::string, kValuesInFile> kFieldOfLine = {
    field::gam,   field::fi, field::co, field::beta, field::w,
    field::hn,    field::b1, field::H,  field::alfa, field::alfa2,
    field::delta, field::q,  "",        field::df,   field::delta2};

Method methodOfCode(double code) {
    if (code == 1) {
        return Method::Rankine;
    }
    if (code == 2) {
        return Method::Coulomb;
    }
    if (code == 3) {
        return Method::MononobeOkabe;
    }
    return Method::None;
}

double tokenValue(const std::string& token) {
    double value = 0;
    if (!common::parseNumberToken(token, value)) {
        value = 0;
    }
    return value;
}

// The fifteen values and the seismic ones that follow (0 when absent), or nothing when the file
// cannot be opened or ends before the fifteenth. A token that is not wholly a number ("abc",
// "12abc") is taken as text and reads as 0.
std::optional<std::vector<double>> readValues(const std::string& fileName) {
    auto reader = common::FreeFormatReader::fromFile(fileName);
    if (!reader) {
        return std::nullopt;
    }
    std::vector<double> values;
    std::string token;
    for (int i = 0; i < kValuesInFile; ++i) {
        if (!reader->readToken(token)) {
            return std::nullopt;
        }
        values.push_back(tokenValue(token));
    }
    for (int i = 0; i < kSeismicValues; ++i) {
        values.push_back(reader->readToken(token) ? tokenValue(token) : 0);
    }
    return values;
}

}  // namespace

DataFileLoad leerdatos(const std::string& fileName, common::FieldTexts& fields,
                       common::MessageSink& messages) {
    if (fileName.empty()) {
        return {};
    }
    const auto values = readValues(fileName);
    if (!values) {
        messages.show("Error de datos en el archivo " + fileName + " .", "ERROR",
                      common::MessageIcon::Critical);
        return {};
    }
    for (int line = 1; line <= kValuesInFile; ++line) {
        if (line != kMethodLine) {
            fields.setText(kFieldOfLine[line - 1], common::displayDouble((*values)[line - 1]));
        }
    }
    for (int i = 0; i < kSeismicValues; ++i) {
        fields.setText(kSeismicFields[i], common::displayDouble((*values)[kValuesInFile + i]));
    }
    return {true, methodOfCode((*values)[kMethodLine - 1])};
}

std::string dataFileText(const common::FieldTexts& fields, Method method) {
    std::vector<std::string> lines;
    for (int line = 1; line <= kValuesInFile; ++line) {
        const double value = line == kMethodLine
                                 ? static_cast<double>(method)
                                 : common::fieldValue(fields.text(kFieldOfLine[line - 1]));
        lines.push_back(common::PrintLine().add(common::printDouble(value)).text());
    }
    if (method == Method::MononobeOkabe) {
        for (const std::string& name : kSeismicFields) {
            const double value = common::fieldValue(fields.text(name));
            lines.push_back(common::PrintLine().add(common::printDouble(value)).text());
        }
    }
    return common::joinLines(lines);
}

bool Guardard(const std::string& fileName, const common::FieldTexts& fields, Method method,
              common::MessageSink& messages) {
    if (fileName.empty()) {
        return false;
    }
    if (!common::writeFileSafely(fileName, dataFileText(fields, method))) {
        messages.show("No se pudo guardar el archivo " + fileName, "ERROR",
                      common::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace drovines
