#pragma once

#include <QString>
#include <QStringList>

namespace common {

// What the splash and About windows show of a program.
struct ProgramIdentity {
    QString title;  // "FENDROLAS"
    int major = 1;
    int minor = 0;
    int revision = 0;
    QString platform;           // splash platform line
    QString description;        // About description
    QStringList splashCredits;  // institute, faculty, university, reviewer
    QString splashAuthor;       // author line of the splash
    QStringList aboutCredits;   // reviewer, licence and author lines of About

    QString versionText() const {
        return QStringLiteral("Versión %1.%2.%3").arg(major).arg(minor).arg(revision);
    }
};

}  // namespace common
