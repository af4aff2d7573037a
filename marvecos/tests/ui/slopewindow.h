#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "common/tests/ui/uitesting.h"
#include "marvecos/folders.h"

// A fresh folder for both the working files and the temporary files of a window under test.
class TestFolder {
public:
    marvecos::SlopeFolders folders() const {
        marvecos::SlopeFolders f;
        f.work = dir_.path().toStdString();
        f.temp = f.work;
        return f;
    }
    QString file(const QString& name) const { return dir_.filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }
    QByteArray read(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool write(const QString& name, const QByteArray& content) const {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) >= 0;
    }
    bool remove(const QString& name) const { return QFile::remove(file(name)); }

private:
    QTemporaryDir dir_;
};

using FieldList = std::vector<std::pair<const char*, const char*>>;

// A 10 m slope over 20 m on a circle from the crest plane to the face: Bishop and Janbu both
// give a factor of safety.
inline const FieldList kSampleSlope = {
    {"fi", "20"}, {"c", "10"},   {"gam", "18"}, {"H", "10"}, {"L", "20"},
    {"Xcr", "5"}, {"Ycr", "20"}, {"R", "20"},   {"n", "10"},
};

// Pixels of a drawing in the slip surface's light blue.
inline int slipSurfacePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > 200 && c.red() < 90 && c.green() < 90 ? 1 : 0;
        }
    }
    return count;
}
