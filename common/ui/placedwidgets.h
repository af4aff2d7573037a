#pragma once

// The windows are laid out at fixed positions, as they were designed; these make the placed
// captions, fields and frames of every window program alike.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>

namespace common {

// Captions are plain text: a caption such as "0 <= delta <= fi" must never be taken for markup.
QLabel* label(QWidget* parent, const QString& text, QRect geometry,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

QLineEdit* field(QWidget* parent, const QString& name, QRect geometry);

QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, QRect geometry);

// The bold heading across the top of a main window ("Label1").
QLabel* windowHeading(QWidget* parent, const QString& text, QRect geometry, int pointSize = 13);

}  // namespace common
