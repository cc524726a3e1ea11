// "kartello-tool dump DATEI.tvl": the document as JSON on stdout.
#include "tool_befehl.h"

#include "tool_ausgabe.h"
#include "tool_json.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include "data/av_data.h"
#include "documents/tvl_datei.h"

namespace {

// The messages the program shows for the same failure, so both speak alike.
QString LeseMeldung(const TvlLeser& leser, const QString& pfad) {
    const QString name = QDir::toNativeSeparators(pfad);
    switch (leser.fehler()) {
    case TvlLeser::Fehler::FehltDatei:
        return FehltText(name);
    case TvlLeser::Fehler::FalschesFormat:
        return QStringLiteral("Ungültiges Dateiformat.\n") + LesefehlerText(name);
    default:
        // The reader's detail (what broke, and where) helps whoever repairs the file.
        return LesefehlerText(name, leser.errorString());
    }
}

} // namespace

int BefehlDump(const QStringList& argumente) {
    const QString pfad = argumente.at(0);
    if (!QFileInfo::exists(pfad)) {
        FehlerAusgeben(FehltText(QDir::toNativeSeparators(pfad)));
        return ExitFehler;
    }
    TvlLeser leser;
    Dokument dok;
    if (!leser.lesen(pfad, dok)) {
        FehlerAusgeben(LeseMeldung(leser, pfad));
        return ExitFehler;
    }
    RohAusgeben(QJsonDocument(DokumentAlsJson(dok)).toJson(QJsonDocument::Indented));
    return ExitErfolg;
}
