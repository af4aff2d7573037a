#include "marvecos/model/slopefile.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "common/fieldvalue.h"
#include "common/safefile.h"
#include "marvecos/program.h"

namespace marvecos {

namespace {

// Largest angle of friction a soil may have, degrees.
constexpr double kLargestFi = 89;

// One line of the file, cut into its keyword and its numbers.
struct FileLine {
    int number = 0;
    std::string keyword;
    std::vector<double> values;
};

class LineError {
public:
    LineError(int line, std::string text) : text_("linea " + std::to_string(line) + ": " + text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A number as the entry fields read it; a number beyond the range of a double is refused.
bool readNumber(const std::string& word, double& value) {
    return common::parseNumberToken(word, value) &&
           std::fabs(value) < std::numeric_limits<double>::max();
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

void needCount(const FileLine& line, std::size_t smallest, std::size_t largest) {
    if (line.values.size() < smallest) {
        throw LineError(line.number, "falta un numero despues de \"" + line.keyword + "\"");
    }
    if (line.values.size() > largest) {
        throw LineError(line.number, "sobran numeros despues de \"" + line.keyword + "\"");
    }
}

void checkSoil(const FileLine& line, double fi, double c, double gam) {
    if (fi < 0 || fi > kLargestFi) {
        throw LineError(line.number, "el angulo de friccion debe estar entre 0 y 89 grados");
    }
    if (c < 0) {
        throw LineError(line.number, "la cohesion no puede ser negativa");
    }
    if (gam < 0) {
        throw LineError(line.number, "el peso especifico no puede ser negativo");
    }
}

// The points X1 Y1 X2 Y2 ... from values[first] on.
Polyline readPolyline(const FileLine& line, std::size_t first) {
    const std::size_t count = line.values.size() - first;
    if (count % 2 != 0) {
        throw LineError(line.number, "falta la y del ultimo punto");
    }
    if (count < 4) {
        throw LineError(line.number, "la linea necesita al menos dos puntos");
    }
    Polyline p;
    for (std::size_t i = first; i < line.values.size(); i += 2) {
        if (!p.x.empty() && !(line.values[i] > p.x.back())) {
            throw LineError(line.number, "las x de los puntos deben crecer");
        }
        p.x.push_back(line.values[i]);
        p.y.push_back(line.values[i + 1]);
    }
    return p;
}

// Keywords that may appear once.
bool isSingle(const std::string& keyword) {
    for (const char* k :
         {"suelo", "talud", "circulo", "metodo", "base", "napa", "ru", "gamw", "kh"}) {
        if (keyword == k) {
            return true;
        }
    }
    return false;
}

int methodOf(const FileLine& line, const std::string& word) {
    if (word == "bishop") {
        return kBishop;
    }
    if (word == "janbu") {
        return kJanbu;
    }
    if (word == "spencer") {
        return kSpencer;
    }
    throw LineError(line.number, "metodo desconocido: " + word);
}

void takeLine(const FileLine& line, SlopeData& data) {
    const std::vector<double>& v = line.values;
    SlopeProblem& p = data.problem;
    GroundModel& m = data.ground;
    if (line.keyword == "suelo") {
        needCount(line, 3, 3);
        checkSoil(line, v[0], v[1], v[2]);
        p.fi = v[0];
        p.c = v[1];
        p.gam = v[2];
    } else if (line.keyword == "talud") {
        needCount(line, 2, 2);
        p.H = v[0];
        p.L = v[1];
    } else if (line.keyword == "circulo") {
        needCount(line, 4, 4);
        p.Xcr = v[0];
        p.Ycr = v[1];
        p.R = v[2];
        p.n = v[3];
    } else if (line.keyword == "capa") {
        needCount(line, 3, static_cast<std::size_t>(-1));
        checkSoil(line, v[0], v[1], v[2]);
        if (v.size() < 7) {
            throw LineError(line.number, "una capa necesita su suelo y al menos dos puntos");
        }
        m.layers.push_back(SoilLayer{v[0], v[1], v[2], readPolyline(line, 3)});
    } else if (line.keyword == "base") {
        needCount(line, 1, 1);
        m.base = v[0];
    } else if (line.keyword == "napa") {
        if (m.water == WaterKind::PoreRatio) {
            throw LineError(line.number, "\"napa\" y \"ru\" no pueden ir juntas");
        }
        m.water = WaterKind::Piezometric;
        m.piezometric = readPolyline(line, 0);
    } else if (line.keyword == "ru") {
        needCount(line, 1, 1);
        if (m.water == WaterKind::Piezometric) {
            throw LineError(line.number, "\"napa\" y \"ru\" no pueden ir juntas");
        }
        if (v[0] < 0 || v[0] >= 1) {
            throw LineError(line.number, "ru debe estar entre 0 y menos de 1");
        }
        m.water = WaterKind::PoreRatio;
        m.ru = v[0];
    } else if (line.keyword == "gamw") {
        needCount(line, 1, 1);
        if (!(v[0] > 0)) {
            throw LineError(line.number, "el peso especifico del agua debe ser positivo");
        }
        m.gamw = v[0];
    } else if (line.keyword == "carga") {
        needCount(line, 3, 4);
        if (!(v[0] < v[1])) {
            throw LineError(line.number, "en una carga repartida x1 debe ser menor que x2");
        }
        m.strips.push_back(StripLoad{v[0], v[1], v[2], v.size() == 4 ? v[3] : v[2]});
    } else if (line.keyword == "carga-lineal") {
        needCount(line, 2, 2);
        m.lineLoads.push_back(LineLoad{v[0], v[1]});
    } else if (line.keyword == "kh") {
        needCount(line, 1, 1);
        if (v[0] < 0 || v[0] >= 1) {
            throw LineError(line.number, "kh debe estar entre 0 y menos de 1");
        }
        m.kh = v[0];
    } else {
        throw LineError(line.number, "palabra clave desconocida: " + line.keyword);
    }
}

std::string numberText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string numbersText(std::initializer_list<double> values) {
    std::string text;
    for (double v : values) {
        text += " " + numberText(v);
    }
    return text;
}

std::string pointsText(const Polyline& p) {
    std::string text;
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        text += numbersText({p.x[i], p.y[i]});
    }
    return text;
}

const char* methodWord(int method) {
    switch (method) {
        case kBishop:
            return "bishop";
        case kJanbu:
            return "janbu";
        case kSpencer:
            return "spencer";
        default:
            return nullptr;
    }
}

}  // namespace

bool readSlopeText(const std::string& text, SlopeData& data, std::string& error) {
    data = SlopeData{};
    std::vector<std::string> seen;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    try {
        while (std::getline(in, raw)) {
            ++number;
            if (number == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) {
                raw.erase(0, 3);
            }
            const std::vector<std::string> words = wordsOf(raw.substr(0, raw.find('#')));
            if (words.empty()) {
                continue;
            }
            FileLine line;
            line.number = number;
            line.keyword = words[0];
            if (isSingle(line.keyword)) {
                for (const std::string& k : seen) {
                    if (k == line.keyword) {
                        throw LineError(number, "\"" + line.keyword + "\" repetido");
                    }
                }
                seen.push_back(line.keyword);
            }
            if (line.keyword == "metodo") {
                if (words.size() != 2) {
                    throw LineError(number, "\"metodo\" va seguido de bishop, janbu o spencer");
                }
                data.problem.method = methodOf(line, words[1]);
                continue;
            }
            for (std::size_t i = 1; i < words.size(); ++i) {
                double value = 0;
                if (!readNumber(words[i], value)) {
                    throw LineError(number, "numero no valido: " + words[i]);
                }
                line.values.push_back(value);
            }
            takeLine(line, data);
        }
    } catch (const LineError& e) {
        error = e.text();
        return false;
    }
    return true;
}

bool readSlopeFile(const std::string& path, SlopeData& data, std::string& error) {
    std::string text;
    if (!common::readWholeFile(path, text)) {
        error = "no se pudo leer el archivo " + path;
        return false;
    }
    if (!readSlopeText(text, data, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string slopeFileText(const SlopeData& data) {
    const SlopeProblem& p = data.problem;
    const GroundModel& m = data.ground;
    std::vector<std::string> lines;
    lines.push_back("suelo" + numbersText({p.fi, p.c, p.gam}));
    lines.push_back("talud" + numbersText({p.H, p.L}));
    lines.push_back("circulo" + numbersText({p.Xcr, p.Ycr, p.R, p.n}));
    if (const char* word = methodWord(p.method)) {
        lines.push_back(std::string("metodo ") + word);
    }
    for (const SoilLayer& layer : m.layers) {
        lines.push_back("capa" + numbersText({layer.fi, layer.c, layer.gam}) +
                        pointsText(layer.top));
    }
    if (m.base) {
        lines.push_back("base" + numbersText({*m.base}));
    }
    if (m.water == WaterKind::Piezometric) {
        lines.push_back("napa" + pointsText(m.piezometric));
    } else if (m.water == WaterKind::PoreRatio) {
        lines.push_back("ru" + numbersText({m.ru}));
    }
    if (m.gamw != kWaterUnitWeight) {
        lines.push_back("gamw" + numbersText({m.gamw}));
    }
    for (const StripLoad& s : m.strips) {
        lines.push_back("carga" + numbersText({s.x1, s.x2, s.q1, s.q2}));
    }
    for (const LineLoad& load : m.lineLoads) {
        lines.push_back("carga-lineal" + numbersText({load.x, load.P}));
    }
    if (m.kh != 0) {
        lines.push_back("kh" + numbersText({m.kh}));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

bool writeSlopeFile(const std::string& path, const SlopeData& data, common::MessageSink& messages) {
    return writeReported(path, slopeFileText(data), messages);
}

}  // namespace marvecos
