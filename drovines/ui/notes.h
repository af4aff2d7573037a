#pragma once

#include <QStringList>
#include <QWidget>

namespace drovines {

// "Notas sobre el programa DROVINES": the assumptions of the calculation, and "Volver".
class frmNotas : public QWidget {
    Q_OBJECT

public:
    explicit frmNotas(QWidget* parent = nullptr);

    // The texts in the order they are shown.
    static QStringList texts();
};

}  // namespace drovines
