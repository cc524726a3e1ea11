// The main window's side of the network exercise: publishing with F9, joining with F8,
// and the exercise's best list that follows the shared file.
#include "shell/av_main.h"

#include "data/av_data.h"
#include "mapview/nummerierung.h"
#include "platform/meldungen.h"
#include "quiz/ac_ueboptform.h"
#include "quiz/av_quizanzeige.h"
#include "results/ac_bestlist.h"
#include "results/bestenliste_verfolger.h"
#include "shell/start.h"

#include <QActionGroup>
#include <QGuiApplication>

void TForm1::NetzInitiieren() {
    NetzInitHaken h;
    h.optionenZeigen = [this](int32_t typ) { return NetzOptionenZeigen(typ); };
    h.werteUebernehmen = [this](const UebungsWerte& werte, const QString& master) {
        m_quizAnzeige->quiz().NetzuebungVermerken(werte, master);
    };
    h.bestenlisteLeeren = [this] { m_bestenliste.leeren(); };
    h.warteCursor = [](bool an) {
        if (an)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    m_netzuebung.Initiieren(m_dokument, m_einstellungen, Ordner(), QuizLaeuft(), h);
}

bool TForm1::NetzOptionenZeigen(int32_t dokTyp) {
    const QString netz = QStringLiteral("Netzwerk-");
    switch (OptionsFensterFuer(dokTyp)) {
    case OptionsFenster::UebOpt:
        m_uebOptForm->NetzModusSetzen(netz + m_uebOptForm->windowTitle());
        return m_uebOptForm->exec() == QDialog::Accepted;
    case OptionsFenster::UebOptFragen:
        m_uebOptFragenForm->NetzModusSetzen(netz + m_uebOptFragenForm->windowTitle());
        return m_uebOptFragenForm->exec() == QDialog::Accepted;
    case OptionsFenster::Keins:
        break;
    }
    return false;
}

void TForm1::NetzTeilnehmen() {
    if (QuizLaeuft()) {
        m_dienste.meldungen.information(QStringLiteral(
            "Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst "
            "beendet werden. Wählen Sie \"Übung abbrechen\", um die aktuelle Übung vorzeitig "
            "abzubrechen."));
        return;
    }
    // An unreachable share is named as such, so that the teacher looks at the share and not
    // at his publication; the program's own default folder is simply made.
    const QString kom = Ordner().Kommunikationsordner;
    if (!OrdnerBereitstellen(kom, Ordner())) {
        m_dienste.meldungen.fehler(OrdnerFehltText(
            kom, QStringLiteral("Der Kommunikationsordner für Netzwerk-Übungen kann nicht erreicht werden. "
                                "Ist das Netzlaufwerk verbunden und der Ordner unter \"NetzKomOrdner\" "
                                "richtig eingestellt?")));
        return;
    }
    Dokument neu;
    NetzUebungDataTyp daten;
    if (m_netzuebung.Laden(Ordner(), neu, daten) != NetzErgebnis::Erledigt) return;
    NetzDokumentUebernehmen(std::move(neu));
    if (!m_quizAnzeige->quiz().NetzStarten(UebungsWerteAus(daten))) ModusKnoepfeAktualisieren();
}

void TForm1::NetzDokumentUebernehmen(Dokument&& neu) {
    m_dokument.Zuruecksetzen();
    const QString vorher = m_dokument.VorherigesDokument;
    m_dokument = std::move(neu);
    m_dokument.VorherigesDokument = vorher;
    m_dokument.Listenindex = -1; // not an entry of the topic folder, which stays as it is
    m_dokument.Header.Geaendert = false;
    if (m_themenGruppe != nullptr && m_themenGruppe->checkedAction() != nullptr) {
        m_themenGruppe->setExclusive(false);
        m_themenGruppe->checkedAction()->setChecked(false);
        m_themenGruppe->setExclusive(true);
    }
    m_karte.ZoomZuruecksetzen();
    NummerierungSetzen(m_dokument);
    TitelAnzeigen();
    LernansichtZeigen();
}

std::unique_ptr<BestListVerfolger> TForm1::NetzBestenlisteVerfolgen() {
    const QString pfad = NetzBestListPfad(Ordner().Kommunikationsordner, Ordner().Kanalname);
    return std::make_unique<BestListVerfolger>(pfad, [this, pfad] {
        if (!m_bestenliste.stillNachladen(pfad)) return false;
        m_bestListForm->GridFuellen();
        return true;
    });
}
