#include "marvecos/model/groundtables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/numbertext.h"

namespace marvecos {

namespace {

// Largest angle of friction a soil may have, degrees (as in the slope file).
constexpr double kLargestFi = 89;

// A wrong entry: what the message says before its reason.
struct Where {
    std::string table;
    int row = 0;  // 1-based, as the editor numbers its rows
    std::string column;
    std::string text() const {
        if (row == 0) {
            return table + ": ";
        }
        return table + ", fila " + std::to_string(row) + ", columna " + column + ": ";
    }
};

struct EntryError {
    std::string text;
};

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The whole cell must be one finite number: a blank or a word is never read as zero.
double number(const std::string& cell, const Where& where) {
    const std::string t = trimmed(cell);
    if (t.empty()) {
        throw EntryError{where.text() + "falta el valor."};
    }
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0') {
        throw EntryError{where.text() + "\"" + t + "\" no es un numero."};
    }
    if (!std::isfinite(value)) {
        throw EntryError{where.text() + "el valor no es un numero finito."};
    }
    return value;
}

void refuse(bool wrong, const Where& where, const std::string& reason) {
    if (wrong) {
        throw EntryError{where.text() + reason};
    }
}

bool emptyRow(const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
        if (!trimmed(cell).empty()) {
            return false;
        }
    }
    return true;
}

std::string cellOf(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? row[column] : std::string();
}

Polyline points(const TextTable& table, const std::string& name) {
    Polyline line;
    int rowNumber = 0;
    for (const auto& row : table) {
        ++rowNumber;
        if (emptyRow(row)) {
            continue;
        }
        const double x = number(cellOf(row, 0), {name, rowNumber, "x"});
        const double y = number(cellOf(row, 1), {name, rowNumber, "y"});
        refuse(!line.x.empty() && x <= line.x.back(), {name, rowNumber, "x"},
               "x debe crecer de un punto al siguiente.");
        line.x.push_back(x);
        line.y.push_back(y);
    }
    refuse(line.x.size() < 2, {name, 0, ""}, "hacen falta al menos dos puntos.");
    return line;
}

void readLayers(const GroundTables& t, GroundModel& model) {
    for (std::size_t k = 0; k < t.layers.size(); ++k) {
        const auto& row = t.layers[k];
        const TextTable noPoints;
        const TextTable& boundary = k < t.boundary.size() ? t.boundary[k] : noPoints;
        const int rowNumber = static_cast<int>(k) + 1;
        if (emptyRow(row) &&
            (boundary.empty() || std::all_of(boundary.begin(), boundary.end(), emptyRow))) {
            continue;
        }
        SoilLayer layer;
        layer.fi = number(cellOf(row, 0), {"Capas", rowNumber, "fi"});
        refuse(layer.fi < 0 || layer.fi > kLargestFi, {"Capas", rowNumber, "fi"},
               "fi debe estar entre 0 y 89 grados.");
        layer.c = number(cellOf(row, 1), {"Capas", rowNumber, "c"});
        refuse(layer.c < 0, {"Capas", rowNumber, "c"}, "la cohesion no puede ser negativa.");
        layer.gam = number(cellOf(row, 2), {"Capas", rowNumber, "gam"});
        refuse(layer.gam < 0, {"Capas", rowNumber, "gam"},
               "el peso especifico no puede ser negativo.");
        layer.top = points(boundary, "Contorno de la capa " + std::to_string(rowNumber));
        model.layers.push_back(layer);
    }
}

void readWater(const GroundTables& t, GroundModel& model) {
    if (!trimmed(t.gamw).empty()) {
        model.gamw = number(t.gamw, {"Peso especifico del agua gamw", 0, ""});
        refuse(model.gamw <= 0, {"Peso especifico del agua gamw", 0, ""}, "debe ser positivo.");
    }
    model.water = t.water;
    if (t.water == WaterKind::Piezometric) {
        model.piezometric = points(t.piezometric, "Linea piezometrica");
    } else if (t.water == WaterKind::PoreRatio) {
        model.ru = number(t.ru, {"Coeficiente ru", 0, ""});
        refuse(model.ru < 0 || model.ru >= 1, {"Coeficiente ru", 0, ""},
               "ru debe estar entre 0 y menos de 1.");
    }
}

void readLoads(const GroundTables& t, GroundModel& model) {
    int rowNumber = 0;
    for (const auto& row : t.strips) {
        ++rowNumber;
        if (emptyRow(row)) {
            continue;
        }
        StripLoad s;
        s.x1 = number(cellOf(row, 0), {"Cargas repartidas", rowNumber, "x1"});
        s.x2 = number(cellOf(row, 1), {"Cargas repartidas", rowNumber, "x2"});
        refuse(s.x1 >= s.x2, {"Cargas repartidas", rowNumber, "x2"}, "x2 debe ser mayor que x1.");
        s.q1 = number(cellOf(row, 2), {"Cargas repartidas", rowNumber, "q1"});
        s.q2 = trimmed(cellOf(row, 3)).empty()
                   ? s.q1
                   : number(cellOf(row, 3), {"Cargas repartidas", rowNumber, "q2"});
        model.strips.push_back(s);
    }
    rowNumber = 0;
    for (const auto& row : t.lineLoads) {
        ++rowNumber;
        if (emptyRow(row)) {
            continue;
        }
        LineLoad l;
        l.x = number(cellOf(row, 0), {"Cargas lineales", rowNumber, "x"});
        l.P = number(cellOf(row, 1), {"Cargas lineales", rowNumber, "P"});
        model.lineLoads.push_back(l);
    }
    if (!trimmed(t.kh).empty()) {
        model.kh = number(t.kh, {"Coeficiente sismico kh", 0, ""});
        refuse(model.kh < 0 || model.kh >= 1, {"Coeficiente sismico kh", 0, ""},
               "kh debe estar entre 0 y menos de 1.");
    }
}

std::string text(double value) {
    return common::displayDouble(value);
}

TextTable pointRows(const Polyline& line) {
    TextTable rows;
    for (std::size_t i = 0; i < line.x.size() && i < line.y.size(); ++i) {
        rows.push_back({text(line.x[i]), text(line.y[i])});
    }
    return rows;
}

}  // namespace

bool readGroundTables(const GroundTables& tables, GroundModel& model, std::string& error) {
    model = GroundModel{};
    try {
        readLayers(tables, model);
        if (!trimmed(tables.base).empty()) {
            model.base = number(tables.base, {"Nivel de la base", 0, ""});
        }
        readWater(tables, model);
        readLoads(tables, model);
    } catch (const EntryError& e) {
        error = e.text;
        return false;
    }
    return true;
}

GroundTables groundTables(const GroundModel& model) {
    GroundTables t;
    for (const SoilLayer& layer : model.layers) {
        t.layers.push_back({text(layer.fi), text(layer.c), text(layer.gam)});
        t.boundary.push_back(pointRows(layer.top));
    }
    if (model.base) {
        t.base = text(*model.base);
    }
    t.water = model.water;
    t.piezometric = pointRows(model.piezometric);
    if (model.water == WaterKind::PoreRatio) {
        t.ru = text(model.ru);
    }
    t.gamw = text(model.gamw);
    for (const StripLoad& s : model.strips) {
        t.strips.push_back({text(s.x1), text(s.x2), text(s.q1), text(s.q2)});
    }
    for (const LineLoad& l : model.lineLoads) {
        t.lineLoads.push_back({text(l.x), text(l.P)});
    }
    t.kh = model.kh == 0 ? std::string() : text(model.kh);
    return t;
}

}  // namespace marvecos
