// The main window's side of the class analysis: the window over a .kqa file, opened from
// the best-list window or the command line, and appending a run's record.
#include "shell/av_main.h"

#include "analysis/ac_klassenauswertung.h"
#include "analysis/antwortsatz_datei.h"
#include "analysis/antwortsatz_quiz.h"
#include "analysis/dokument_suche.h"
#include "data/av_data.h"
#include "platform/meldungen.h"
#include "platform/uhr.h"
#include "quiz/quizlauf.h"
#include "quiz/quizoberflaeche.h"
#include "quiz/quiztexte.h"
#include "results/ac_bestlist.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

void TForm1::KlassenauswertungZeigen(const QString& kqaPfad) {
    if (!QFileInfo(kqaPfad).isFile()) {
        m_dienste.meldungen.information(
            QStringLiteral("Zu dieser Bestenliste gibt es noch keine Antwortprotokolle (\"%1\").")
                .arg(QDir::toNativeSeparators(kqaPfad)));
        return;
    }
    // Above whatever modal window asked for it, so that it is seen; modal to that window
    // alone, and without a loop of its own: it goes when it is closed.
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    auto* fenster =
        new TKlassenauswertungForm(m_dienste.meldungen, m_dienste.dialoge, m_dienste.zwischenablage, eltern);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    const ProgrammOrdnerTyp& o = Ordner();
    if (!fenster->Oeffnen(kqaPfad,
                          {o.Themenordner, o.Kommunikationsordner, o.Startordner, o.Programmordner})) {
        delete fenster;
        return;
    }
    fenster->open();
}

void TForm1::BestenlistenAuswertungZeigen() {
    const ProgrammOrdnerTyp& o = Ordner();
    const QString liste = m_bestListNetz ? NetzBestListPfad(o.Kommunikationsordner, o.Kanalname)
                                         : BestListPfad(o.Bestenlistenordner, m_dokument.Header.Dateiname);
    KlassenauswertungZeigen(KqaPfadZuBestenliste(liste));
}

void TForm1::AntwortsatzAnhaengen(const QString& bestListPfad, const QuizLauf& lauf) {
    QString fehler;
    const KqaLauf satz = KqaLaufAus(lauf, DateiHash(lauf.Dokumentpfad));
    // The best list has told the user already when its folder cannot be written.
    if (!KqaAnhaengen(KqaPfadZuBestenliste(bestListPfad), satz, m_dateiWarten, fehler))
        qWarning("Antwortprotokoll nicht geschrieben: %s", qUtf8Printable(fehler));
}
