#pragma once

#include <iosfwd>
#include <string>

namespace grenvil {

// The whole console dialogue: banner, prompts, Spencer's search with its trace and results, and
// "OTRO CALCULO?" until the user answers anything but 1 or the input ends. The file averPath is
// created empty at the start. Returns the exit code of the program.
int runGrenvil(std::istream& in, std::ostream& out, std::ostream& err, const std::string& averPath);

// The exit code when "aver.out" could not be created (the dialogue still runs to its end).
constexpr int kExitAverNotWritten = 1;

// In place of the result block when a figure does not fit its print field.
inline const char* const kNoResultLine =
    "NO HAY RESULTADO: EL VALOR OBTENIDO NO CABE EN EL CAMPO DE IMPRESION.";

// The fixed-column lines of the calculation, without the blank that starts every line.
std::string traceLine(int NP, float FST, float FSM, float theta);
std::string resultLine(const std::string& label, float value);

}  // namespace grenvil
