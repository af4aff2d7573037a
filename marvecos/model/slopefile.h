#pragma once

// The slope data file: plain UTF-8 text, '#' starts a comment, blank lines are ignored, one
// keyword a line followed by numbers separated by blanks:
//
//   suelo FI C GAM                  the top soil (the fields fi, c, gam)
//   talud H L
//   circulo XCR YCR R N
//   metodo bishop                   bishop | janbu | spencer
//   capa FI C GAM X1 Y1 X2 Y2 ...   one line per layer, from the top down
//   base Y
//   napa X1 Y1 X2 Y2 ...            piezometric line
//   ru RU
//   gamw GAMW
//   carga X1 X2 Q1 [Q2]             strip load; Q2 = Q1 when left out
//   carga-lineal X P
//   kh KH

#include <string>

#include "common/messages.h"
#include "marvecos/model/groundmodel.h"
#include "marvecos/problem.h"

namespace marvecos {

struct SlopeData {
    SlopeProblem problem;  // fields; what the file leaves out stays 0 (n 10, no method)
    GroundModel ground;
};

// Reads the text of a slope file. False, with error naming the line and what is wrong
// ("linea 7: ..."), on anything the file should not hold; data is then left unspecified.
bool readSlopeText(const std::string& text, SlopeData& data, std::string& error);

// Reads the file at path: false with a message when it cannot be read or is not valid.
bool readSlopeFile(const std::string& path, SlopeData& data, std::string& error);

// The text that reads back to data (numbers in the shortest form that reads back exactly).
std::string slopeFileText(const SlopeData& data);

// Writes through the safe writer; a failed write is reported to messages. True when written.
bool writeSlopeFile(const std::string& path, const SlopeData& data, common::MessageSink& messages);

}  // namespace marvecos
