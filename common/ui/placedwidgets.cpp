#include "common/ui/placedwidgets.h"

namespace common {

QLabel* label(QWidget* parent, const QString& text, QRect geometry, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align);
    return l;
}

QLineEdit* field(QWidget* parent, const QString& name, QRect geometry) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(geometry);
    return f;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, QRect geometry) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(geometry);
    return g;
}

QLabel* windowHeading(QWidget* parent, const QString& text, QRect geometry, int pointSize) {
    QLabel* heading = label(parent, text, geometry, Qt::AlignCenter);
    heading->setObjectName("Label1");
    QFont big = heading->font();
    big.setPointSize(pointSize);
    big.setBold(true);
    heading->setFont(big);
    return heading;
}

}  // namespace common
