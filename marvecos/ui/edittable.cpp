#include "marvecos/ui/edittable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace marvecos {

namespace {

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

EditTable::EditTable(const QString& name, const QStringList& headings, QWidget* parent)
    : QWidget(parent) {
    table_ = new QTableWidget(0, static_cast<int>(headings.size()), this);
    table_->setObjectName(name);
    table_->setHorizontalHeaderLabels(headings);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(table_, &QTableWidget::itemChanged, this, [this] {
        if (!filling_) {
            emit changed();
        }
    });

    auto* buttons = new QVBoxLayout;
    struct Button {
        const char* suffix;
        const char* caption;
        void (EditTable::*action)();
    };
    const Button list[] = {{"Agregar", "Agregar", &EditTable::addRow},
                           {"Quitar", "Quitar", &EditTable::removeRow},
                           {"Subir", "Subir", &EditTable::moveUp},
                           {"Bajar", "Bajar", &EditTable::moveDown}};
    for (const Button& b : list) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(name + b.suffix);
        button->setFixedWidth(64);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.action);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addLayout(buttons);
}

TextTable EditTable::rows() const {
    TextTable rows;
    for (int r = 0; r < table_->rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table_->columnCount(); ++c) {
            row.push_back(cellText(table_, r, c).toStdString());
        }
        rows.push_back(row);
    }
    return rows;
}

void EditTable::setRows(const TextTable& rows) {
    filling_ = true;
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int c = 0; c < table_->columnCount(); ++c) {
            const auto& row = rows[static_cast<std::size_t>(r)];
            const std::string text = static_cast<std::size_t>(c) < row.size()
                                         ? row[static_cast<std::size_t>(c)]
                                         : std::string();
            table_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    filling_ = false;
}

int EditTable::currentRow() const {
    return table_->currentRow();
}

// A new row goes after the selected one, or last.
void EditTable::addRow() {
    const int at = currentRow() >= 0 ? currentRow() + 1 : table_->rowCount();
    filling_ = true;
    table_->insertRow(at);
    for (int c = 0; c < table_->columnCount(); ++c) {
        table_->setItem(at, c, new QTableWidgetItem);
    }
    filling_ = false;
    emit rowInserted(at);
    table_->setCurrentCell(at, 0);
    emit changed();
}

void EditTable::removeRow() {
    const int row = currentRow();
    if (row < 0) {
        return;
    }
    // Said before the row goes, so that what hangs on it goes first.
    emit rowRemoved(row);
    table_->removeRow(row);
    emit changed();
}

void EditTable::moveUp() {
    const int row = currentRow();
    if (row > 0) {
        swapRows(row, row - 1);
    }
}

void EditTable::moveDown() {
    const int row = currentRow();
    if (row >= 0 && row + 1 < table_->rowCount()) {
        swapRows(row, row + 1);
    }
}

void EditTable::swapRows(int a, int b) {
    filling_ = true;
    for (int c = 0; c < table_->columnCount(); ++c) {
        QTableWidgetItem* first = table_->takeItem(a, c);
        QTableWidgetItem* second = table_->takeItem(b, c);
        table_->setItem(a, c, second ? second : new QTableWidgetItem);
        table_->setItem(b, c, first ? first : new QTableWidgetItem);
    }
    filling_ = false;
    emit rowsSwapped(a, b);
    table_->setCurrentCell(b, table_->currentColumn() < 0 ? 0 : table_->currentColumn());
    emit changed();
}

}  // namespace marvecos
