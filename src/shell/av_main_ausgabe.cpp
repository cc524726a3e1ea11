// The main window's side of the output commands: export the view (Ctrl+E), copy it to
// the clipboard (Ctrl+Z) and send the document by e-mail (Ctrl+M).
#include "shell/av_main.h"

#include "data/av_data.h"
#include "output/ac_mail.h"
#include "output/ansichtausgabe.h"
#include "output/mailversand.h"
#include "platform/maildienst.h"

#include <QGuiApplication>

namespace {

void Sanduhr(bool an) {
    if (an)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

// Stands in when the program has no mail program to talk to.
class KeinMailDienst final : public MailDienst {
public:
    int senden(const MailAuftrag&) override { return MailErgebnis::KeinProgramm; }
};

} // namespace

void TForm1::AusgabeBefehleVerbinden() {
    m_menue->verbinden(QStringLiteral("Exportieren1"), [this] { AnsichtExportieren(); });
    m_menue->verbinden(QStringLiteral("InZwischenablage1"), [this] { AnsichtKopieren(); });
    m_menue->verbinden(QStringLiteral("EMailVersenden1"), [this] { DokumentVersenden(); });
}

void TForm1::AnsichtExportieren() {
    ::AnsichtExportieren(m_karte.Ansichtsaufnahme(), m_dienste.dialoge, m_dienste.meldungen, Sanduhr);
}

void TForm1::AnsichtKopieren() {
    ::AnsichtKopieren(m_karte.Ansichtsaufnahme(), m_dienste.zwischenablage, m_dienste.warten, Sanduhr);
}

void TForm1::DokumentVersenden() {
    KeinMailDienst keiner;
    MailDienst& dienst = m_dienste.mailDienst != nullptr ? *m_dienste.mailDienst : keiner;
    const QString setup = Ordner().Setupordner;
    m_mailForm->BasissystemAnbieten(
        SetupSuchen(setup).art != SetupFund::Art::Keine,
        QStringLiteral("Das TVL-Basissystem kann von diesem Computer nicht mitgeschickt "
                       "werden: sein Setup \"") +
            BasissystemSetup + QStringLiteral("\" fehlt im Ordner \"") + setup + QStringLiteral("\"."));
    ::DokumentVersenden(m_dokument.Header.Dateiname, Ordner().Setupordner, m_dienste.meldungen, dienst,
                        [this] { return m_mailForm->Abfragen(); });
}
