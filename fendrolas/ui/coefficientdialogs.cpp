#include "fendrolas/ui/coefficientdialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fendrolas {

namespace {

// The long captions keep their runs of blanks as spacing and wrap in a label of fixed width.
QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* coefficientField(QWidget* parent, const QString& name, const QString& text,
                            QRect geometry) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    return field;
}

QPushButton* acceptButton(QDialog* dialog, QRect geometry) {
    auto* button = new QPushButton("Aceptar", dialog);
    button->setObjectName("Command1");
    button->setGeometry(geometry);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::hide);
    return button;
}

}  // namespace

Form4::Form4(QWidget* parent) : QDialog(parent) {
    setObjectName("Form4");
    setModal(false);
    setWindowTitle("Coeficientes de Brinch Hansen");
    setFixedSize(420, 292);

    wrappedLabel(this, "Label1",
                 "Coheficientes usados por Brinch Hansen para el calculo de algunos de sus "
                 "factores.",
                 QRect(16, 12, 388, 36));

    wrappedLabel(this, "Label2", "Coeficiente alfa1:", QRect(16, 58, 200, 18));
    wrappedLabel(this, "Label3", "  2 < alfa1 < 5      recomendado alfa1= 2.5         alfa1=",
                 QRect(16, 78, 290, 36));
    alfa1_ = coefficientField(this, "Text1", "2.5", QRect(318, 90, 80, 22));

    wrappedLabel(this, "Label4", "Coeficiente alfa2:", QRect(16, 124, 200, 18));
    wrappedLabel(this, "Label5", "  2 < alfa2 < 5      recomendado alfa2= 3.5         alfa2=",
                 QRect(16, 144, 290, 36));
    alfa2_ = coefficientField(this, "Text2", "3.5", QRect(318, 156, 80, 22));

    wrappedLabel(this, "Label6",
                 "Coeficiente que multiplica a la cohesion:      0.6 < cc < 1     valor "
                 "recomendado cc=0.6     cc=       ",
                 QRect(16, 192, 290, 54));
    cc_ = coefficientField(this, "Text3", "0.6", QRect(318, 212, 80, 22));

    acceptButton(this, QRect(160, 254, 100, 28));
}

QString Form4::alfa1() const {
    return alfa1_->text();
}
QString Form4::alfa2() const {
    return alfa2_->text();
}
QString Form4::cc() const {
    return cc_->text();
}

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName("Form5");
    setModal(false);
    setWindowTitle("Coeficiente usado por Vesic");
    setFixedSize(420, 170);

    wrappedLabel(this, "Label1", "Coheficiente usado por Vesic para el calculo de los factores i",
                 QRect(16, 12, 388, 36));
    wrappedLabel(this, "Label2",
                 "Coeficiente que multiplica a la cohesion:      0.6 < cc < 1     valor "
                 "recomendado cc=0.6     cc=       ",
                 QRect(16, 56, 290, 54));
    cc_ = coefficientField(this, "Text1", "0.6", QRect(318, 76, 80, 22));

    acceptButton(this, QRect(160, 128, 100, 28));
}

QString Form5::cc() const {
    return cc_->text();
}

}  // namespace fendrolas
