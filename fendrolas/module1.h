#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The problem as the 32 fields hold it, each text taken by the field value rule; the water
// table is read apart (readWaterTable), as its fields take numbers only.
FoundationProblem problemFromFields(const common::FieldTexts& fields);

// The data file: line 1 fi, c, g, w one after another; line 2 Lx, Ly, df and lines 3 to 7 the
// five states in print zones; CR LF line ends. A problem with a water table adds a line 8 with
// dw and gsat; one without it is written as it always was.
std::string dataFileText(const FoundationProblem& problem);

// Reads the 32 numbers of a data file, and dw and gsat when a 33rd number follows, and only then
// replaces the texts of all the fields (dw and gsat empty for a file of 32 numbers). Any read
// error shows "Error de datos en el archivo <name> ." and changes no field.
bool cargardat(const std::string& fileName, common::FieldTexts& fields,
               common::MessageSink& messages);

// Saves the 32 fields, and dw and gsat when dw is given, to a data file. The old file survives a
// failed save, which is reported; a dw or gsat that is not a number is refused, nothing saved.
bool grabardat(const std::string& fileName, const common::FieldTexts& fields,
               common::MessageSink& messages);

}  // namespace fendrolas
