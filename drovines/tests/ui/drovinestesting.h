#pragma once

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/messages.h"
#include "common/tests/ui/uitesting.h"
#include "drovines/ui/form1.h"
#include "drovines/ui/form2.h"

// The main window with its message boxes recorded and its dialogs stubbed.
struct Drovines {
    common::RecordingMessages messages;
    StubDialogs stub;
    drovines::Form1 form{&messages, stub.dialogs()};

    void trigger(const char* menuEntry) { form.findChild<QAction*>(menuEntry)->trigger(); }
    void press(const char* button) { form.findChild<QPushButton*>(button)->click(); }
    QRadioButton* option(int n) {
        return form.findChild<QRadioButton*>(QString("Option%1").arg(n));
    }
    QAction* menu(const char* name) { return form.findChild<QAction*>(name); }
    drovines::Form2& results() { return *form.resultsWindow(); }
    // A value field of the results window, as a number.
    double result(const char* name) {
        return results().findChild<QLineEdit*>(name)->text().toDouble();
    }
    QString resultText(const char* name) { return results().findChild<QLineEdit*>(name)->text(); }
};

// Dry sand behind a vertical back face 4 m high, crest 2 m, no water, no surcharge: the
// figures are easily checked by hand (ka = 1/3, E1 = ka g H^2 / 2 = 48 kN/m).
inline void enterPlainWall(QWidget* window) {
    setFields(window, {{"gam", "18"},
                       {"fi", "30"},
                       {"co", "0"},
                       {"beta", "0"},
                       {"w", "0"},
                       {"hn", "0"},
                       {"b1", "2"},
                       {"H", "4"},
                       {"alfa", "0"},
                       {"alfa2", "0"},
                       {"delta", "0"},
                       {"df", "1"},
                       {"delta2", "0"},
                       {"gm", "22"},
                       {"q", "0"}});
}
