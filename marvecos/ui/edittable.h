#pragma once

#include <QStringList>
#include <QWidget>

#include "marvecos/model/groundtables.h"

class QTableWidget;

namespace marvecos {

// A table of numbers typed cell by cell, with buttons to add a row, remove the selected one and
// move it up or down. Its rows number from 1, as the messages about them do.
class EditTable : public QWidget {
    Q_OBJECT

public:
    // name prefixes the objectNames: NAME (the table), NAMEAgregar, NAMEQuitar, NAMESubir,
    // NAMEBajar (the buttons).
    EditTable(const QString& name, const QStringList& headings, QWidget* parent);

    TextTable rows() const;
    void setRows(const TextTable& rows);
    QTableWidget* table() const { return table_; }
    int currentRow() const;

    void addRow();
    void removeRow();
    void moveUp();
    void moveDown();

signals:
    void changed();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowsSwapped(int a, int b);

private:
    void swapRows(int a, int b);

    QTableWidget* table_ = nullptr;
    bool filling_ = false;
};

}  // namespace marvecos
