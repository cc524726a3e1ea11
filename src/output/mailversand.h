#pragma once
// Sending the open document by e-mail: the request with its note text and attachments,
// the search for the setup program of the TVL-Basissystem, and the flow that asks the
// user through the ports and reports the mail program's answer.
#include "platform/maildienst.h"

#include <QString>
#include <functional>
#include <optional>

class Meldungen;

inline const QString MailBetreff = QStringLiteral("TVL-Dokument");
inline const QString BasissystemSetup = QStringLiteral("setup-tvl10basis.exe");

// The options of the mail window: the document alone, or with the setup program.
enum MailVersandoption : int { NurDokument = 0, MitBasissystem = 1 };

// Where the setup program was found.
struct SetupFund {
    enum class Art { Basissystem, AndereSetupdatei, Keine };
    Art art = Art::Keine;
    QString pfad; // full path
    QString name; // file name
};

// "setup-tvl10basis.exe" in `setupordner`, otherwise the first "setup-tvl*.exe" by name.
// Names are compared without regard to case, as on the system the files come from.
SetupFund SetupSuchen(const QString& setupordner);

// The request for the document `dokumentpfad`: subject, attachments and the note text up
// to its information block.
MailAuftrag MailAuftragBeginnen(const QString& dokumentpfad);
void SetupAnhaengen(MailAuftrag& auftrag, const SetupFund& fund);
// Appends the closing information block with the maker's web address.
void MailNotizAbschliessen(MailAuftrag& auftrag);

// The message shown for a result of the mail service.
QString MailErgebnisText(int ergebnis);

// The whole command. `formular` shows the mail window and returns the chosen option, or
// nothing when it is closed otherwise than with OK. Returns the mail service's result, or
// nothing when no request was handed over.
std::optional<int> DokumentVersenden(const QString& dokumentpfad, const QString& setupordner,
                                     Meldungen& meldungen, MailDienst& dienst,
                                     const std::function<std::optional<int>()>& formular);
