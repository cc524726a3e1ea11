#include "results/ac_uebprotokoll.h"

#include "data/av_data.h"
#include "platform/av_fensterstapel.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "results/ac_protkom.h"
#include "results/protokoll.h"
#include "results/protokoll_speichern.h"

#include "widgets/drucken.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

TUebProtokollForm::TUebProtokollForm(Protokoll& protokoll, TProtKomForm& kommentar, Meldungen& meldungen,
                                     Dialoge& dialoge, Zwischenablage& ablage, QWidget* eltern)
    : QDialog(eltern), m_protokoll(protokoll), m_kommentar(kommentar), m_meldungen(meldungen),
      m_dialoge(dialoge), m_ablage(ablage) {
    setObjectName(QStringLiteral("UebProtokollForm"));
    setWindowTitle(QStringLiteral("Quiz-Protokoll"));
    setModal(true);
    resize(640, 520);

    m_richEdit = new QTextEdit(this);
    m_richEdit->setAccessibleName(QStringLiteral("Protokoll"));
    m_richEdit->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit->setDocument(&m_protokoll.dokument());
    m_richEdit->setReadOnly(true);
    m_richEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette farben = m_richEdit->palette();
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    m_richEdit->setPalette(farben);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf(QStringLiteral("KommBtn"), QStringLiteral("Kommentar hinzufügen..."),
                             &TUebProtokollForm::KommentarHinzufuegen));
    knoepfe->addWidget(
        knopf(QStringLiteral("SaveBtn"), QStringLiteral("Speichern..."), &TUebProtokollForm::Speichern));
    knoepfe->addWidget(
        knopf(QStringLiteral("DruckBtn"), QStringLiteral("Drucken..."), &TUebProtokollForm::Drucken));
    knoepfe->addWidget(knopf(QStringLiteral("InClipBtn"), QStringLiteral("In Zwischenablage kopieren"),
                             &TUebProtokollForm::InZwischenablage));
    knoepfe->addStretch(1);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    knoepfe->addWidget(schliessen);

    auto* alles = new QVBoxLayout(this);
    alles->addWidget(m_richEdit, 1);
    alles->addLayout(knoepfe);
}

QPushButton* TUebProtokollForm::knopf(const QString& name, const QString& text,
                                      void (TUebProtokollForm::*aktion)()) {
    auto* k = new QPushButton(text, this);
    k->setObjectName(name);
    k->setAutoDefault(false);
    connect(k, &QPushButton::clicked, this, aktion);
    return k;
}

void TUebProtokollForm::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    m_richEdit->moveCursor(QTextCursor::Start);
    m_richEdit->verticalScrollBar()->setValue(0);
}

void TUebProtokollForm::KommentarHinzufuegen() {
    m_kommentar.vorbereiten();
    const UeberFenster oben(&m_kommentar, this);
    if (m_kommentar.exec() != QDialog::Accepted) return;
    if (m_protokoll.kommentarHinzufuegen(m_kommentar.text())) m_richEdit->moveCursor(QTextCursor::End);
}

void TUebProtokollForm::Speichern() {
    OrdnerBereitstellen(Ordner().Protokollordner, Ordner()); // the dialog starts there
    const std::optional<QString> pfad = m_dialoge.DateiSpeichern(Dialoge::SpeichernAuftrag(
        QStringLiteral("Übungsprotokoll in Datei speichern"), QStringLiteral("Rich Text Dokument"),
        QStringLiteral("rtf"), Ordner().Protokollordner));
    if (!pfad || pfad->isEmpty()) return;
    Sanduhr sanduhr;
    ProtokollSpeichernUnter(m_protokoll, *pfad, m_meldungen);
}

void TUebProtokollForm::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(ProtokollDruckTitel);
    drucker.setCreator(ProgrammTitel);
    if (!m_dialoge.DruckerWaehlen(
            drucker,
            Dialoge::PdfDateiAuftrag(QStringLiteral("Quiz-Protokoll als PDF-Datei drucken"),
                                     Ordner().Protokollordner + QStringLiteral("Quiz-Protokoll.pdf"), false)))
        return;
    Sanduhr sanduhr;
    m_protokoll.dokument().print(&drucker);
    if (drucker.printerState() == QPrinter::Error && !drucker.outputFileName().isEmpty())
        m_meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(drucker.outputFileName())));
}

void TUebProtokollForm::InZwischenablage() {
    m_ablage.Setzen(RichTextInhalt(m_protokoll.dokument()));
}
