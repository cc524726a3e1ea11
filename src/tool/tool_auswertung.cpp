// "kartello-tool auswertung DATEI.kqa [--erste|--alle] [--csv AUS.csv] [--bild AUS.png|AUS.pdf]":
// the class analysis of a .kqa as the window shows it, for scripts and for the teacher's console.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include "analysis/antwortsatz.h"
#include "analysis/auswertung.h"
#include "analysis/auswertung_karte.h"
#include "analysis/auswertung_text.h"
#include "analysis/dokument_suche.h"
#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "mapview/nummerierung.h"
#include "output/bildexport.h"

namespace {

struct AuswertungsAuftrag {
    QString kqa;
    AuswertungsUmfang umfang = AuswertungsUmfang::ErsterGanzerLauf;
    QString csv;
    QString bild;
};

QString Auswerten(const QStringList& argumente, AuswertungsAuftrag& auftrag) {
    auftrag.kqa = argumente.at(0);
    for (int i = 1; i < argumente.size(); ++i) {
        const QString& option = argumente.at(i);
        if (option == QLatin1String("--erste")) {
            auftrag.umfang = AuswertungsUmfang::ErsterGanzerLauf;
        } else if (option == QLatin1String("--alle")) {
            auftrag.umfang = AuswertungsUmfang::AlleLaeufe;
        } else if (option == QLatin1String("--csv") || option == QLatin1String("--bild")) {
            if (i + 1 >= argumente.size()) return QStringLiteral("Option \"%1\" ohne Wert.").arg(option);
            (option == QLatin1String("--csv") ? auftrag.csv : auftrag.bild) = argumente.at(++i);
        } else {
            return QStringLiteral("Unbekannte Option \"%1\".").arg(option);
        }
    }
    const QString endung = QFileInfo(auftrag.bild).suffix().toLower();
    if (!auftrag.bild.isEmpty() && endung != QLatin1String("png") && endung != QLatin1String("pdf"))
        return QStringLiteral("--bild braucht die Endung .png oder .pdf, nicht \"%1\".").arg(auftrag.bild);
    return {};
}

bool Schreiben(const QString& pfad, const QByteArray& bytes) {
    QSaveFile ziel(pfad);
    if (ziel.open(QIODevice::WriteOnly) && ziel.write(bytes) == bytes.size() && ziel.commit()) return true;
    FehlerAusgeben(SchreibfehlerText(QDir::toNativeSeparators(pfad)));
    return false;
}

bool DokumentFinden(const AuswertungsAuftrag& auftrag, const KqaBestand& bestand, Dokument& dok) {
    const KqaLaufKopf& lauf = bestand.laeufe().back();
    const QString& datei = bestand.text(lauf.datei);
    const QString pfad = KqaDokumentSuchen(auftrag.kqa, datei, bestand.text(lauf.hash),
                                           {QCoreApplication::applicationDirPath()});
    if (pfad.isEmpty()) {
        FehlerAusgeben(QStringLiteral("Das Dokument \"%1\" (%2) wurde nicht gefunden.")
                           .arg(datei, bestand.text(lauf.titel)));
        return false;
    }
    if (!DokumentLesenOderMelden(pfad, dok)) return false;
    NummerierungSetzen(dok);
    return true;
}

bool BildSchreiben(const QString& pfad, Dokument& dok, const Auswertung& a) {
    if (!SchriftenVorhanden(QStringLiteral("auswertung"))) return false;
    const AuswertungsBild karte = AuswertungsKarte(&dok, a);
    if (QFileInfo(pfad).suffix().toLower() == QLatin1String("png")) {
        Bildexport export_;
        if (export_.schreiben(karte.bild, pfad) == Bildexport::Ergebnis::Geschrieben) return true;
        FehlerAusgeben(export_.errorString());
        return false;
    }
    // The PDF is made in memory and written whole, so a failure leaves no half file.
    QByteArray pdf;
    {
        QBuffer puffer(&pdf);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(QStringLiteral("Klassenauswertung: ") + a.titel);
        schreiber.setResolution(300);
        if (!AuswertungDrucken(schreiber, karte.bild, a)) {
            FehlerAusgeben(SchreibfehlerText(QDir::toNativeSeparators(pfad)));
            return false;
        }
    }
    return Schreiben(pfad, pdf);
}

} // namespace

int BefehlAuswertung(const QStringList& argumente) {
    AuswertungsAuftrag auftrag;
    if (const QString fehler = Auswerten(argumente, auftrag); !fehler.isEmpty()) {
        AufrufFehlerAusgeben(QStringLiteral("auswertung"), fehler);
        return ExitAufruf;
    }
    const QString name = QDir::toNativeSeparators(auftrag.kqa);
    if (!QFileInfo(auftrag.kqa).isFile()) {
        FehlerAusgeben(FehltText(name));
        return ExitFehler;
    }
    const KqaLeseErgebnis gelesen = KqaLesen(auftrag.kqa, auftrag.umfang);
    if (!gelesen.fehler.isEmpty()) {
        FehlerAusgeben(LesefehlerText(name, gelesen.fehler));
        return ExitFehler;
    }
    if (gelesen.keinKqa) {
        FehlerAusgeben(QStringLiteral("\"%1\" enthält keine Antwortprotokolle (*.kqa).").arg(name));
        return ExitFehler;
    }
    for (const QString& warnung : gelesen.warnungen)
        FehlerAusgeben(warnung);
    Dokument dok;
    const bool mitDokument = !auftrag.bild.isEmpty() && !gelesen.bestand.laeufe().empty();
    if (mitDokument && !DokumentFinden(auftrag, gelesen.bestand, dok)) return ExitFehler;
    const Auswertung a = Auswerten(gelesen.bestand, auftrag.umfang, mitDokument ? &dok : nullptr);
    RohAusgeben(PositionsTabText(a).toUtf8());
    if (!auftrag.csv.isEmpty() && !Schreiben(auftrag.csv, AuswertungCsv(a))) return ExitFehler;
    if (!auftrag.bild.isEmpty() && !gelesen.bestand.laeufe().empty() && !BildSchreiben(auftrag.bild, dok, a))
        return ExitFehler;
    return ExitErfolg;
}
