// File commands of the editor: new, open, save, save as, test run and the recovery copy.
#include "editor/av_editor.h"

#include "editor/bildwahl.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>

namespace {

DateiDialogAuftrag TvlAuftrag(const QString& titel, const QString& pfad) {
    DateiDialogAuftrag a;
    a.Titel = titel;
    a.Filter = {{QStringLiteral("Themendokumente"), QStringLiteral("*.tvl")}};
    a.Standardendung = QStringLiteral("tvl");
    a.Startordner = pfad.isEmpty() ? QDir::homePath() : QFileInfo(pfad).absolutePath();
    a.Dateiname = pfad.isEmpty() ? QString() : QFileInfo(pfad).fileName();
    return a;
}

} // namespace

bool TEditorForm::verwerfenErlaubt() {
    if (!m_dok.istGeaendert()) return true;
    const QString name =
        m_dok.pfad().isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(m_dok.pfad()).fileName();
    const Antwort a = m_meldungen.zeigen(
        MeldungsArt::Bestaetigung,
        QStringLiteral("Die Änderungen an \"%1\" sind nicht gespeichert. Sollen sie gespeichert werden?")
            .arg(name),
        Knoepfe::JaNeinAbbrechen);
    if (a == Antwort::Abbrechen) return false;
    if (a == Antwort::Nein) return true;
    return speichern();
}

bool TEditorForm::neu(DokTyp typ) {
    if (!verwerfenErlaubt()) return false;
    m_dok.neu(typ);
    return true;
}

bool TEditorForm::oeffnen(const QString& pfad) {
    if (!verwerfenErlaubt()) return false;
    QString datei = pfad;
    if (datei.isEmpty()) {
        const std::optional<QString> wahl =
            m_dialoge.DateiOeffnen(TvlAuftrag(QStringLiteral("Öffnen"), m_dok.pfad()));
        if (!wahl) return false;
        datei = *wahl;
    }
    QString fehler;
    if (!m_dok.oeffnen(datei, fehler)) {
        m_meldungen.fehler(
            QStringLiteral("Das Dokument \"%1\" kann nicht geöffnet werden.\n%2").arg(datei, fehler));
        return false;
    }
    return true;
}

bool TEditorForm::schreiben(const QString& pfad) {
    const std::vector<Befund> befunde = pruefen();
    if (!befunde.empty() &&
        !m_meldungen.frageJaNein(
            QStringLiteral("Die Prüfung hat %1 Hinweise gefunden (siehe \"Prüfungen\"). Trotzdem speichern?")
                .arg(befunde.size())))
        return false;
    QString fehler;
    if (!m_dok.speichern(pfad, fehler)) {
        m_meldungen.fehler(QStringLiteral("Das Dokument kann nicht gespeichert werden.\n%1").arg(fehler));
        return false;
    }
    m_wiederherstellung.verwerfen();
    titelSetzen();
    statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(pfad), 5000);
    return true;
}

bool TEditorForm::speichern() {
    if (m_dok.pfad().isEmpty()) return speichernUnter();
    return schreiben(m_dok.pfad());
}

bool TEditorForm::speichernUnter() {
    QString vorschlag = m_dok.pfad();
    if (vorschlag.isEmpty() && !m_dok.dokument().Header.HD_titel.isEmpty())
        vorschlag = QDir::home().filePath(m_dok.dokument().Header.HD_titel + QStringLiteral(".tvl"));
    const std::optional<QString> wahl =
        m_dialoge.DateiSpeichern(TvlAuftrag(QStringLiteral("Speichern unter"), vorschlag));
    if (!wahl) return false;
    QString pfad = *wahl;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".tvl");
    return schreiben(pfad);
}

QString TEditorForm::testkopieAnlegen() {
    m_testordner = std::make_unique<QTemporaryDir>();
    if (!m_testordner->isValid()) return {};
    QString name = m_dok.pfad().isEmpty() ? QStringLiteral("Test.tvl") : QFileInfo(m_dok.pfad()).fileName();
    const QString pfad = m_testordner->filePath(name);
    QString fehler;
    if (!m_dok.kopieSchreiben(pfad, fehler)) {
        m_meldungen.fehler(QStringLiteral("Die Testkopie kann nicht angelegt werden.\n%1").arg(fehler));
        return {};
    }
    return pfad;
}

void TEditorForm::testen() {
    const QString kopie = testkopieAnlegen();
    if (kopie.isEmpty()) return;
    const QString programm = QCoreApplication::applicationDirPath() + QStringLiteral("/kartello-quiz");
    if (!QProcess::startDetached(programm, {kopie}))
        m_meldungen.fehler(
            QStringLiteral("Das Quizprogramm \"%1\" kann nicht gestartet werden.").arg(programm));
    else
        statusBar()->showMessage(QStringLiteral("Das Quiz startet mit F7."), 8000);
}

void TEditorForm::bildWaehlen() {
    DateiDialogAuftrag a;
    a.Titel = QStringLiteral("Bild wählen");
    a.Filter = {{QStringLiteral("Bilder"), QStringLiteral("*.png *.jpg *.jpeg *.bmp *.gif *.webp")}};
    a.Startordner = QDir::homePath();
    const std::optional<QString> wahl = m_dialoge.DateiOeffnen(a);
    if (!wahl) return;
    const Bildwahl w = BildLaden(*wahl);
    if (w.bild.isNull()) {
        m_meldungen.fehler(w.fehler);
        return;
    }
    if (!w.hinweis.isEmpty()) m_meldungen.information(w.hinweis);
    m_dok.aendern(QStringLiteral("Bild wählen"), [&w](Dokumentstand& s) { s.Basisbild = w.bild; });
}

void TEditorForm::wiederherstellungSichern() {
    if (m_dok.istGeaendert()) m_wiederherstellung.sichern(m_dok);
}

void TEditorForm::wiederherstellungAnbieten() {
    if (!m_wiederherstellung.vorhanden()) return;
    const QString herkunft = m_wiederherstellung.herkunft();
    const QString name = herkunft.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(herkunft).fileName();
    if (m_meldungen.frageJaNein(
            QStringLiteral("Der Editor wurde nicht ordnungsgemäß beendet. Soll die gesicherte "
                           "Kopie von \"%1\" wiederhergestellt werden?")
                .arg(name)))
        m_wiederherstellung.laden(m_dok);
    else
        m_wiederherstellung.verwerfen();
}
