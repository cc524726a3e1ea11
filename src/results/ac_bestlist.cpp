#include "results/ac_bestlist.h"

#include "data/av_data.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "results/bestenliste.h"
#include "results/bestenliste_druck.h"
#include "results/bestenliste_text.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QAbstractTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

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

} // namespace

// The list's cells, formatted when the view asks for them.
class BestListModell final : public QAbstractTableModel {
public:
    BestListModell(const Bestenliste& liste, QObject* eltern) : QAbstractTableModel(eltern), m_liste(liste) {}

    // Takes the entries as they are now.
    void neuFuellen() {
        beginResetModel();
        m_zellen = std::make_unique<BestListZellen>(m_liste.eintraege());
        m_zeilen = static_cast<int>(qMin<std::size_t>(m_zellen->zeilen(), INT_MAX));
        endResetModel();
    }
    int rowCount(const QModelIndex& eltern = {}) const override { return eltern.isValid() ? 0 : m_zeilen; }
    int columnCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : BestListSpaltenAnzahl;
    }
    QVariant data(const QModelIndex& index, int rolle) const override {
        if (!m_zellen || !index.isValid()) return {};
        if (rolle == Qt::TextAlignmentRole)
            return static_cast<int>(AlsQt(BestListSpalten()[index.column()].datenzeilen).toInt());
        if (rolle != Qt::DisplayRole) return {};
        return m_zellen->text(static_cast<std::size_t>(index.row()), index.column());
    }
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override {
        if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 ||
            abschnitt >= BestListSpaltenAnzahl)
            return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
        return BestListSpalten()[abschnitt].titel;
    }

private:
    const Bestenliste& m_liste;
    std::unique_ptr<BestListZellen> m_zellen;
    int m_zeilen = 0;
};

namespace {

QTableView* GridAnlegen(QWidget* eltern, QAbstractItemModel* modell) {
    auto* grid = new QTableView(eltern);
    grid->setObjectName(QStringLiteral("Grid1"));
    grid->setModel(modell);
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
    grid->setStyleSheet(QStringLiteral("QTableView::item { padding-left: 2px; }"));
    int breite = 0;
    for (int s = 0; s < BestListSpaltenAnzahl; ++s) {
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

TBestListForm::TBestListForm(const Bestenliste& liste, Meldungen& meldungen, Dialoge& dialoge,
                             Zwischenablage& ablage, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_liste(liste), m_meldungen(meldungen),
      m_dialoge(dialoge), m_ablage(ablage) {
    setObjectName(QStringLiteral("BestListForm"));
    setWindowTitle(QStringLiteral("Bestenliste"));
    setModal(true);
    m_modell = new BestListModell(m_liste, this);
    m_grid = GridAnlegen(this, m_modell);
    m_schaden = new QLabel(this);
    m_schaden->setObjectName(QStringLiteral("SchadenLab"));
    m_schaden->setWordWrap(true);
    m_schaden->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0); font-weight: bold;"));
    m_schaden->hide();

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
    alles->addWidget(m_schaden);
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
    m_modell->neuFuellen();
    // A list damaged before its end says so above the entries that could be read.
    m_schaden->setText(m_liste.schaden());
    m_schaden->setVisible(!m_liste.schaden().isEmpty());
}

std::vector<QStringList> TBestListForm::zeilen() const {
    return BestListZeilen(m_liste.eintraege());
}

void TBestListForm::Speichern() {
    OrdnerBereitstellen(Ordner().Protokollordner, Ordner()); // the dialog starts there
    const QString datei =
        m_dialoge
            .DateiSpeichern(Dialoge::SpeichernAuftrag(QStringLiteral("Bestenliste in Datei speichern"),
                                                      QStringLiteral("Textdatei"), QStringLiteral("txt"),
                                                      Ordner().Protokollordner))
            .value_or(QString());
    if (datei.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = GeteiltErsetzen(datei, BestListGridBytes(zeilen())).ok;
    QApplication::restoreOverrideCursor();
    if (!ok) m_meldungen.fehler(SchreibfehlerText(datei));
}

void TBestListForm::InZwischenablage() {
    m_ablage.TextSetzen(BestListGridText(zeilen()));
}

void TBestListForm::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Bestenliste"));
    if (!m_dialoge.DruckerWaehlen(
            drucker,
            Dialoge::PdfDateiAuftrag(QStringLiteral("Bestenliste als PDF-Datei drucken"),
                                     Ordner().Protokollordner + QStringLiteral("Bestenliste.pdf"), false)))
        return;
    if (BestListDrucken(drucker, zeilen()) == 0)
        m_meldungen.fehler(QStringLiteral("Der Druck konnte nicht gestartet werden."));
}
