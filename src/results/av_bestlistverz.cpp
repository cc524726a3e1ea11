#include "results/av_bestlistverz.h"

#include "widgets/knopfzeile.h"

#include "data/av_data.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Gruppe(QWidget* eltern, const QString& titel, QLineEdit* edit, QPushButton* knopf,
                  const QString& notiz) {
    auto* gruppe = new QGroupBox(titel, eltern);
    auto* raster = new QGridLayout(gruppe);
    raster->addWidget(edit, 0, 0);
    raster->addWidget(knopf, 0, 1);
    auto* text = new QLabel(notiz, gruppe);
    text->setWordWrap(false);
    raster->addWidget(text, 1, 0, 1, 2);
    return gruppe;
}

} // namespace

TBestListVerzForm::TBestListVerzForm(ProgrammOrdnerTyp& ordner, Meldungen& meldungen, Dialoge& dialoge,
                                     QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_ordner(ordner),
      m_meldungen(meldungen), m_dialoge(dialoge) {
    setObjectName(QStringLiteral("BestListVerzForm"));
    setWindowTitle(QStringLiteral("Ordner für Protokolle und Bestenlisten"));
    setModal(true);
    m_prot = new QLineEdit(this);
    m_prot->setObjectName(QStringLiteral("ProtVerzEdit1"));
    m_prot->setMinimumWidth(380);
    m_best = new QLineEdit(this);
    m_best->setObjectName(QStringLiteral("BestListVerzEdit1"));
    auto* protKnopf = new QPushButton(QStringLiteral("Durchsuchen..."), this);
    protKnopf->setObjectName(QStringLiteral("ProtVerzBtn"));
    auto* bestKnopf = new QPushButton(QStringLiteral("Durchsuchen..."), this);
    bestKnopf->setObjectName(QStringLiteral("BestListVerzBtn"));
    connect(protKnopf, &QPushButton::clicked, this, &TBestListVerzForm::ProtDurchsuchen);
    connect(bestKnopf, &QPushButton::clicked, this, &TBestListVerzForm::BestListDurchsuchen);

    const Knopfzeile knoepfe = OkAbbrechenZeile(this);
    connect(knoepfe.ok, &QPushButton::clicked, this, &TBestListVerzForm::OK);

    auto* alles = new QVBoxLayout(this);
    alles->addWidget(Gruppe(this, QStringLiteral(" Ordner für Protokolle "), m_prot, protKnopf,
                            QStringLiteral("In diesem Ordner werden die Protokolle automatisch gespeichert.\n"
                                           "Für den Ordner wird Schreibzugriff benötigt.")));
    alles->addWidget(
        Gruppe(this, QStringLiteral(" Ordner für Bestenlisten "), m_best, bestKnopf,
               QStringLiteral("In diesem Ordner werden die Bestenlisten gespeichert. Bei einem\n"
                              "Netzwerkordner gibt es eine gemeinsame Liste für alle Rechner, die ihn\n"
                              "nutzen, sonst eine Liste nur für diesen Rechner. Lese- und\n"
                              "Schreibzugriff für den Ordner werden in jedem Fall benötigt.")));
    alles->addLayout(knoepfe.zeile);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TBestListVerzForm::showEvent(QShowEvent* ereignis) {
    Aktivieren();
    QDialog::showEvent(ereignis);
}

void TBestListVerzForm::Aktivieren() {
    m_prot->setText(m_ordner.Protokollordner);
    m_best->setText(m_ordner.Bestenlistenordner);
}

void TBestListVerzForm::durchsuchen(QLineEdit* edit, const QString& titel) {
    if (const auto gewaehlt = m_dialoge.OrdnerWaehlen(titel, edit->text())) edit->setText(*gewaehlt);
    raise();
    activateWindow();
}

void TBestListVerzForm::ProtDurchsuchen() {
    durchsuchen(m_prot, QStringLiteral("Ordner für Protokolle festlegen"));
}

void TBestListVerzForm::BestListDurchsuchen() {
    durchsuchen(m_best, QStringLiteral("Ordner für Bestenlisten festlegen"));
}

bool TBestListVerzForm::pruefen(QLineEdit* edit, const QString& fehler) {
    edit->setText(MitTrenner(edit->text()));
    if (OrdnerBereitstellen(edit->text(), m_ordner)) return true;
    m_meldungen.fehler(fehler);
    edit->setFocus();
    return false;
}

void TBestListVerzForm::OK() {
    if (!pruefen(m_prot, QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig."))) return;
    if (!pruefen(m_best, QStringLiteral("Der angegebene Ordner für die Bestenlisten ist ungültig."))) return;
    // The save dialogs of protocol and best list start in Ordner().Protokollordner, read when they open.
    m_ordner.Protokollordner = m_prot->text();
    m_ordner.Bestenlistenordner = m_best->text();
    accept();
}
