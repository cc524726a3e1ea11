#include "output/mailversand.h"

#include "data/av_data.h"
#include "data/programmadressen.h"
#include "platform/meldungen.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString CrLf = QStringLiteral("\r\n");

QString Nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}
} // namespace

SetupFund SetupSuchen(const QString& setupordner) {
    QDir ordner(setupordner);
    const QStringList dateien = ordner.entryList({QStringLiteral("setup-tvl*.exe")},
                                                 QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    SetupFund fund;
    for (const QString& name : dateien) {
        if (name.compare(BasissystemSetup, Qt::CaseInsensitive) == 0)
            return {SetupFund::Art::Basissystem, Nativ(ordner.absoluteFilePath(name)), name};
        if (fund.art == SetupFund::Art::Keine)
            fund = {SetupFund::Art::AndereSetupdatei, Nativ(ordner.absoluteFilePath(name)), name};
    }
    return fund;
}

MailAuftrag MailAuftragBeginnen(const QString& dokumentpfad) {
    MailAuftrag a;
    a.Betreff = MailBetreff;
    a.Anhaenge << Nativ(QFileInfo(dokumentpfad).absoluteFilePath());
    a.Text = QStringLiteral("TVL-Themendokument: ") + QFileInfo(dokumentpfad).fileName() + CrLf;
    return a;
}

void SetupAnhaengen(MailAuftrag& auftrag, const SetupFund& fund) {
    switch (fund.art) {
    case SetupFund::Art::Basissystem:
        auftrag.Anhaenge << fund.pfad;
        auftrag.Text += QStringLiteral("TVL-Basissystem: ") + BasissystemSetup + CrLf;
        break;
    case SetupFund::Art::AndereSetupdatei:
        auftrag.Anhaenge << fund.pfad;
        auftrag.Text += QStringLiteral("Setup-Programmdatei: ") + fund.name + CrLf;
        break;
    case SetupFund::Art::Keine:
        break;
    }
}

void MailNotizAbschliessen(MailAuftrag& auftrag) {
    auftrag.Text +=
        CrLf + QStringLiteral("- Information -") + CrLf +
        QStringLiteral("\"TVL - Tavolo\" ist ein Autorensystem für digitale Lern- und Übungseinheiten. ") +
        CrLf +
        QStringLiteral("Zum Öffnen von TVL-Themendokumenten wird das TVL-Basissystem (liegt allen "
                       "Themenpaketen kostenlos bei) oder das TVL-Autorensystem (kostet z.Zt. ab 49,90 "
                       "Euro) benötigt. ") +
        CrLf + QStringLiteral("Weitere Informationen im Internet unter: ") + CrLf + HerstellerHomepage +
        u' ' + CrLf;
}

QString MailErgebnisText(int ergebnis) {
    switch (ergebnis) {
    case 0:
        return QStringLiteral("Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
                              "E-Mail-Programm Nachrichten "
                              "nicht sofort versendet, sondern erst im Postausgang zwischenspeichert, müssen "
                              "Sie den Versand in Ihrem "
                              "E-Mail-Programm noch selbst auslösen.");
    case 1:
        return QStringLiteral("Der E-Mail-Versand wurde abgebrochen.");
    case MailErgebnis::KeinProgramm:
        return QStringLiteral(
            "Auf diesem Computer ist kein E-Mail-Programm eingerichtet; die Nachricht wurde "
            "nicht versendet. Richten Sie ein E-Mail-Programm als Standardprogramm für "
            "E-Mail ein oder versenden Sie die Datei aus Ihrem E-Mail-Programm heraus.");
    case 2:
        return QStringLiteral("One or more unspecified errors occurred; no message was sent.");
    case 3:
        return QStringLiteral(
            "There was no default logon, and the user failed to log on successfully when the logon "
            "dialog box was displayed. No message was sent.");
    case 5:
        return QStringLiteral("There was insufficient memory to proceed. No message was sent.");
    case 9:
        return QStringLiteral("There were too many file attachments; no message was sent.");
    case 10:
        return QStringLiteral("There were too many recipients; no message was sent.");
    case 11:
        return QStringLiteral("The specified attachment was not found; no message was sent.");
    case 12:
        return QStringLiteral("The specified attachment could not be open; no message was sent.");
    case 14:
        return QStringLiteral("A recipient did not appear in the address list; no message was sent.");
    case 15:
        return QStringLiteral(
            "The type of a recipient was not MAPI_TO, MAPI_CC, or MAPI_BCC. No message was sent.");
    case 18:
        return QStringLiteral("The text in the message was too large to sent; the message was not sent.");
    case 21:
        return QStringLiteral("A recipient matched more than one of the recipient descriptor structures and "
                              "MAPI_DIALOG was not set. No message was sent.");
    default:
        return QStringLiteral(
            "Bei der Übermittelung das Nachricht an das E-Mail-Programm ist ein Fehler aufgetreten.");
    }
}

namespace {

// Item 1 of the mail window: true when the request may go, false to show the window again.
bool SetupHinzunehmen(MailAuftrag& auftrag, const QString& setupordner, Meldungen& meldungen) {
    const SetupFund fund = SetupSuchen(setupordner);
    if (fund.art == SetupFund::Art::Keine) {
        meldungen.fehler(QStringLiteral("Datei \"") + MitTrenner(setupordner) + BasissystemSetup +
                         QStringLiteral("\" (Setup für das TVL-Basissystem) nicht gefunden."));
        return false;
    }
    if (fund.art == SetupFund::Art::AndereSetupdatei &&
        !meldungen.frageJaNein(
            QStringLiteral("Soll die Setup-Programmdatei \"") + fund.name +
            QStringLiteral("\" mitverschickt werden?") + CrLf +
            QStringLiteral("(Das einzelne Setup für das TVL-Basissystem ist nicht verfügbar.)")))
        return false;
    SetupAnhaengen(auftrag, fund);
    return true;
}

} // namespace

std::optional<int> DokumentVersenden(const QString& dokumentpfad, const QString& setupordner,
                                     Meldungen& meldungen, MailDienst& dienst,
                                     const std::function<std::optional<int>()>& formular) {
    if (dokumentpfad.isEmpty()) {
        meldungen.information(QStringLiteral("Es ist kein Dokument geöffnet bzw. das aktuelle Dokument muss "
                                             "zunächst gespeichert werden."));
        return std::nullopt;
    }
    MailAuftrag auftrag;
    for (;;) {
        const std::optional<int> option = formular();
        if (!option) return std::nullopt;
        auftrag = MailAuftragBeginnen(dokumentpfad);
        if (*option != MitBasissystem || SetupHinzunehmen(auftrag, setupordner, meldungen)) break;
    }
    MailNotizAbschliessen(auftrag);
    const int ergebnis = dienst.senden(auftrag);
    if (ergebnis == MailErgebnis::Uebermittelt || ergebnis == MailErgebnis::Abgebrochen) {
        meldungen.information(MailErgebnisText(ergebnis));
        return ergebnis;
    }
    QString text = MailErgebnisText(ergebnis);
    const QString bericht = dienst.bericht();
    if (!bericht.isEmpty()) text += QStringLiteral("\r\n\r\nMeldung des Systems: ") + bericht;
    meldungen.fehler(text);
    return ergebnis;
}
