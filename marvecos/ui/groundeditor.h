#pragma once

#include <QWidget>
#include <vector>

#include "marvecos/model/groundtables.h"

class QLineEdit;
class QRadioButton;

namespace marvecos {

class EditTable;

// "Terreno": the ground below the soil of the main window, typed into tables: the layers with
// the points of their top boundaries, the base, the water, the loads and kh. Empty tables are
// the slope of the main window alone.
class GroundEditor : public QWidget {
    Q_OBJECT

public:
    // A window of its own, not a child of the main window, so that its fields and options
    // never mix with the main window's.
    GroundEditor();

    GroundTables tables() const;
    void setTables(const GroundTables& tables);
    // The model as the tables give it; false with a message naming the row and the column.
    bool readModel(GroundModel& model, std::string& error) const;

    EditTable* layersTable() const { return layers_; }
    EditTable* boundaryTable() const { return boundary_; }
    EditTable* waterTable() const { return water_; }
    EditTable* stripTable() const { return strips_; }
    EditTable* lineLoadTable() const { return lineLoads_; }

signals:
    // Any entry changed: the main window redraws and marks its problem as changed.
    void changed();
    // "Aceptar": the main window checks the tables and hides the editor when they are right.
    void accepted();

private:
    void buildLayers();
    void buildWater();
    void buildLoads();
    void buildButtons();
    void showLayer(int layer);
    void keepShownBoundary() const;

    EditTable* layers_ = nullptr;
    EditTable* boundary_ = nullptr;
    EditTable* water_ = nullptr;
    EditTable* strips_ = nullptr;
    EditTable* lineLoads_ = nullptr;
    QLineEdit* base_ = nullptr;
    QLineEdit* ru_ = nullptr;
    QLineEdit* gamw_ = nullptr;
    QLineEdit* kh_ = nullptr;
    QRadioButton* dry_ = nullptr;
    QRadioButton* piezometric_ = nullptr;
    QRadioButton* poreRatio_ = nullptr;

    // The points of every layer's boundary; the one of layer shownLayer_ is in boundary_.
    mutable std::vector<TextTable> boundaries_;
    int shownLayer_ = -1;
    bool filling_ = false;
};

}  // namespace marvecos
