#pragma once
// A class of three that played the Europe sample: the records as the quiz completion
// appends them, beside a copy of the document, and the figures counted by hand.
#include "analysis/antwortsatz.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct Klassenlauf {
    Klassenlauf();
    QTemporaryDir tmp;
    QString tvl; // europa.tvl beside the records
    QString kqa; // europa.kqa
    // The cover numbers of Polen (13), Tschechien (14) and Deutschland (8) in the map.
    QString nrPolen, nrTschechien, nrDeutschland;
};

struct WerkzeugLauf {
    int exitCode = -1;
    QByteArray ausgabe;
    QString fehler;
};
WerkzeugLauf Werkzeug(const QStringList& argumente);

// The tool's table for the first whole runs, counted by hand, in number order.
QString ErwarteteTabelleErste(const Klassenlauf& k);
