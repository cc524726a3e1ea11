#include "results/ac_bestlist.h"

#include "data/av_data.h"
#include "platform/av_fensterstapel.h"
#include "platform/meldungen.h"
#include "results/bestenliste.h"
#include "results/bestenliste_druck.h"
#include "results/bestenliste_text.h"

#include "widgets/drucken.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString TextDateiWaehlen(QWidget* eltern, const QString& titel, const QString& ordner) {
    QFileDialog dialog(eltern, titel, ordner, QStringLiteral("Textdatei (*.txt);;Alle Dateien (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    WieElternObenHalten(&dialog);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool DruckerWaehlen(QWidget* eltern, QPrinter& drucker) {
    return DruckerOderPdfWaehlen(eltern, drucker, QStringLiteral("Bestenliste als PDF-Datei drucken"),
                                 Ordner().Protokollordner + QStringLiteral("Bestenliste.pdf"));
}

Qt::Alignment AlsQt(Ausrichtung a) {
    switch (a) {
    case Ausrichtung::Mitte:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Ausrichtung::Rechts:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Ausrichtung::Links:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QTableWidget* GridAnlegen(QWidget* eltern) {
    auto* grid = new QTableWidget(eltern);
    grid->setObjectName(QStringLiteral("Grid1"));
    grid->setColumnCount(BestListSpaltenAnzahl);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(19);
    QHeaderView* kopf = grid->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kopf->setFixedHeight(19);
    kopf->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(255, 255, 215); "
                                       "color: black; padding-left: 2px; border: 0px; "
                                       "border-right: 1px solid gray; border-bottom: 1px solid gray; }"));
    grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding-left: 2px; }"));
    int breite = 0;
    for (int s = 0; s < BestListSpaltenAnzahl; ++s) {
        grid->setHorizontalHeaderItem(s, new QTableWidgetItem(BestListSpalten()[s].titel));
        // A column is never narrower than its header text ("Zeit (Min:Sek)" needs more
        // than its 80 pixels with most fonts).
        const int spalte = std::max(BestListSpalten()[s].breite, kopf->sectionSizeHint(s));
        grid->setColumnWidth(s, spalte);
        breite += spalte;
    }
    grid->setMinimumSize(breite + 24, 300);
    return grid;
}

} // namespace

BestListFensterDialoge BestListStandardDialoge() {
    return {TextDateiWaehlen, DruckerWaehlen};
}

TBestListForm::TBestListForm(const Bestenliste& liste, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_liste(liste), m_meldungen(meldungen),
      m_dialoge(BestListStandardDialoge()) {
    setObjectName(QStringLiteral("BestListForm"));
    setWindowTitle(QStringLiteral("Bestenliste"));
    setModal(true);
    m_grid = GridAnlegen(this);

    auto* hinweis = new QLabel(BestListTeilWiederholungText, this);
    hinweis->setObjectName(QStringLiteral("TeilWiederholungLab"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(
        knopf(QStringLiteral("DruckBtn"), QStringLiteral("Drucken..."), &TBestListForm::Drucken));
    knoepfe->addWidget(
        knopf(QStringLiteral("SaveBtn"), QStringLiteral("Speichern..."), &TBestListForm::Speichern));
    knoepfe->addWidget(knopf(QStringLiteral("ClipBtn"), QStringLiteral("In Zwischenablage"),
                             &TBestListForm::InZwischenablage));
    knoepfe->addStretch(1);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    schliessen->setDefault(true); // Enter closes; Escape closes as in every dialog
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    knoepfe->addWidget(schliessen);

    auto* alles = new QVBoxLayout(this);
    alles->addWidget(m_grid, 1);
    alles->addWidget(hinweis);
    alles->addLayout(knoepfe);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TBestListForm::knopf(const QString& name, const QString& text, void (TBestListForm::*aktion)()) {
    auto* k = new QPushButton(text, this);
    k->setObjectName(name);
    k->setAutoDefault(false);
    connect(k, &QPushButton::clicked, this, aktion);
    return k;
}

void TBestListForm::showEvent(QShowEvent* ereignis) {
    GridFuellen();
    QDialog::showEvent(ereignis);
}

void TBestListForm::GridFuellen() {
    m_zeilen = BestListZeilen(m_liste.eintraege());
    m_grid->setRowCount(static_cast<int>(m_zeilen.size()) - 1);
    for (int r = 1; r < static_cast<int>(m_zeilen.size()); ++r) {
        for (int s = 0; s < BestListSpaltenAnzahl; ++s) {
            auto* zelle = new QTableWidgetItem(m_zeilen[r].value(s));
            zelle->setTextAlignment(AlsQt(BestListSpalten()[s].datenzeilen));
            m_grid->setItem(r - 1, s, zelle);
        }
    }
}

void TBestListForm::Speichern() {
    OrdnerBereitstellen(Ordner().Protokollordner, Ordner()); // the dialog starts there
    const QString datei =
        m_dialoge.textDatei(this, QStringLiteral("Bestenliste in Datei speichern"), Ordner().Protokollordner);
    if (datei.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QSaveFile ziel(datei);
    const bool ok =
        ziel.open(QIODevice::WriteOnly) && ziel.write(BestListGridBytes(m_zeilen)) >= 0 && ziel.commit();
    QApplication::restoreOverrideCursor();
    if (!ok) m_meldungen.fehler(SchreibfehlerText(datei));
}

void TBestListForm::InZwischenablage() {
    QGuiApplication::clipboard()->setText(BestListGridText(m_zeilen));
}

void TBestListForm::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Bestenliste"));
    if (!m_dialoge.drucker(this, drucker)) return;
    if (BestListDrucken(drucker, m_zeilen) == 0)
        m_meldungen.fehler(QStringLiteral("Der Druck konnte nicht gestartet werden."));
}
