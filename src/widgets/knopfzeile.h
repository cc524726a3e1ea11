#pragma once
// The OK / Abbrechen row at the foot of the small dialogs, right-aligned: "OK" (object
// name OKBtn) and "Abbrechen" (AbbrechenBtn), Abbrechen rejecting the dialog.
#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

struct Knopfzeile {
    QHBoxLayout* zeile = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
};

// OK is the default button and is left to the caller to connect (some dialogs check first).
Knopfzeile OkAbbrechenZeile(QDialog* dialog, const QString& okText = QStringLiteral("OK"),
                            const QString& abbrechenText = QStringLiteral("Abbrechen"));
