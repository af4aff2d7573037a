#include "drovines/ui/notes.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace drovines {

// The runs of blanks come from the fixed-width labels the notes were first written for; they
// are kept as they are.
QStringList frmNotas::texts() {
    return {
        "CONSIDERACIONES TOMADAS AL REALIZAR ESTE PROGRAMA",
        "1- El peso especifico del suelo real gs=27 kN/m3.  Con este valor se       calcula el "
        "peso especifico del suelo sumergido con el formulario de      los libros de mecanica de "
        "suelos",
        "2- Para el calculo de la capacidad portante del suelo se utiliza el                "
        "método de Brinch-Hansen con las siguientes consideraciones:",
        "Coeficiente alfa1 = 2.5",
        "Coeficiente alfa2 = 3.5",
        "Coeficiente que multiplica a la cohesion co= 0.6",
        "3- En el metodo de Rankine la opcion de considerar el angulo delta no      es  propia del "
        "metodo, se ha colocado para que el usuario pueda           realizar comparaciones.",
        "4- Para el metodo de Rankine se supuso que el empuje activo actua         con un angulo "
        "igual al del talud de suelo y para el equilibrio se tuvo        en cuenta la cuña de "
        "suelo sobre el espaldon.",
        "5- Para el metodo de Coulomb se supuso que el empuje activo actua con     un angulo delta "
        "respecto a la perpendicular al espaldon del muro.  En       este metodo no se toma en "
        "cuenta la cuña de suelo.",
        "6- Para el calculo de la estabilidad se ha despreciado el aporte del empuje      pasivo "
        "del suelo en el frente.",
        "7- En todos los casos se considera la contribucion de la humedad en el peso     "
        "especifico del suelo.",
    };
}

frmNotas::frmNotas(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmNotas");
    setWindowTitle("Notas sobre el programa DROVINES");
    auto* layout = new QVBoxLayout(this);
    const QStringList notes = texts();
    for (int k = 0; k < notes.size(); ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Label%1").arg(k + 1));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setText(notes[k]);
        if (k == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setAlignment(Qt::AlignCenter);
        }
        // The three coefficients belong to note 2.
        if (k >= 3 && k <= 5) {
            label->setIndent(40);
        }
        layout->addWidget(label);
    }
    auto* back = new QPushButton("Volver", this);
    back->setObjectName("Command1");
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    layout->addSpacing(8);
    layout->addWidget(back, 0, Qt::AlignRight);
    setFixedWidth(560);
}

}  // namespace drovines
