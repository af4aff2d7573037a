#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace fendrolas {

// "Coeficientes de Brinch Hansen": alfa1, alfa2 and cc, read by the driver when Brinch Hansen
// runs. Modeless; "Aceptar" only hides it, so the texts typed stay for the next run.
class Form4 : public QDialog {
    Q_OBJECT

public:
    explicit Form4(QWidget* parent = nullptr);
    QString alfa1() const;
    QString alfa2() const;
    QString cc() const;

private:
    QLineEdit* alfa1_;
    QLineEdit* alfa2_;
    QLineEdit* cc_;
};

// "Coeficiente usado por Vesic": cc, read by the Vesic method when it starts.
class Form5 : public QDialog {
    Q_OBJECT

public:
    explicit Form5(QWidget* parent = nullptr);
    QString cc() const;

private:
    QLineEdit* cc_;
};

}  // namespace fendrolas
