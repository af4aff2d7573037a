#pragma once

// The ground model as the ground editor shows it: tables of texts, one cell a number, and a
// few single fields. Qt-free: the editor copies its cells in and out of these.

#include <string>
#include <vector>

#include "marvecos/model/groundmodel.h"

namespace marvecos {

// Rows of cells, each row as many texts as the table has columns.
using TextTable = std::vector<std::vector<std::string>>;

// Column names as the messages and the editor's headings use them.
inline const std::vector<std::string> kLayerColumns = {"fi", "c", "gam"};
inline const std::vector<std::string> kPointColumns = {"x", "y"};
inline const std::vector<std::string> kStripColumns = {"x1", "x2", "q1", "q2"};
inline const std::vector<std::string> kLineLoadColumns = {"x", "P"};

struct GroundTables {
    TextTable layers;                 // fi, c, gam per layer, from the top down
    std::vector<TextTable> boundary;  // x, y of each layer's top boundary
    std::string base;                 // empty: no base
    WaterKind water = WaterKind::None;
    TextTable piezometric;  // x, y
    std::string ru;
    std::string gamw;     // empty: the unit weight of water by default
    TextTable strips;     // x1, x2, q1, q2 (q2 empty: q1)
    TextTable lineLoads;  // x, P
    std::string kh;       // empty: 0
};

// Reads the tables into a model. False with a message naming the table, the row and the
// column ("Capas, fila 2, columna c: ...") at the first wrong entry; model is then unspecified.
// A row left wholly empty is passed over; any other empty cell is an error.
bool readGroundTables(const GroundTables& tables, GroundModel& model, std::string& error);

// The tables that read back to the model.
GroundTables groundTables(const GroundModel& model);

}  // namespace marvecos
