#pragma once

#include <string>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/problem.h"

namespace fendrolas {

// The problem as the 32 fields hold it, each text taken by the field value rule.
FoundationProblem problemFromFields(const common::FieldTexts& fields);

// The data file: line 1 fi, c, g, w one after another; line 2 Lx, Ly, df and lines 3 to 7 the
// five states in print zones; CR LF line ends.
std::string dataFileText(const FoundationProblem& problem);

// Reads the 32 numbers of a data file and only then replaces the texts of all 32 fields.
// Any read error shows "Error de datos en el archivo <name> ." and changes no field.
bool cargardat(const std::string& fileName, common::FieldTexts& fields,
               common::MessageSink& messages);

// Saves the 32 fields to a data file. The old file survives a failed save, which is reported.
bool grabardat(const std::string& fileName, const common::FieldTexts& fields,
               common::MessageSink& messages);

}  // namespace fendrolas
