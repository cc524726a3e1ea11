#include "tool_ausgabe.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

void Schreiben(std::FILE* ziel, const QString& text) {
    // The program's messages use CR LF (they are made for message boxes); a console wants LF.
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray utf8 = zeilen.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), ziel);
    std::fflush(ziel);
}

} // namespace

void Ausgeben(const QString& text) {
    Schreiben(stdout, text);
}

void FehlerAusgeben(const QString& text) {
    Schreiben(stderr, text);
}

void RohAusgeben(const QByteArray& daten) {
    std::fwrite(daten.constData(), 1, static_cast<size_t>(daten.size()), stdout);
    std::fflush(stdout);
}

void AufrufFehlerAusgeben(const QString& befehl, const QString& fehler) {
    FehlerAusgeben(fehler + QStringLiteral("\n\"kartello-tool %1 --help\" zeigt die Hilfe.").arg(befehl));
}

bool SchriftenVorhanden(const QString& befehl) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) return true;
    FehlerAusgeben(QStringLiteral("%1 braucht Schriften und damit eine QGuiApplication.").arg(befehl));
    return false;
}

bool DokumentLesenOderMelden(const QString& pfad, Dokument& dok) {
    const QString name = QDir::toNativeSeparators(pfad);
    if (!QFileInfo(pfad).isFile()) {
        FehlerAusgeben(FehltText(name));
        return false;
    }
    TvlLeser leser;
    if (!leser.lesen(pfad, dok)) {
        FehlerAusgeben(LesefehlerText(name, leser.errorString()));
        return false;
    }
    return true;
}
