#include "editor/ac_fragenliste.h"

#include "editor/fragenseiten.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TFragenliste::TFragenliste(EditorDokument& dok, QWidget* eltern) : QWidget(eltern), m_dok(dok) {
    auto* spalte = new QVBoxLayout(this);
    m_tabelle = new QTableWidget(0, 2);
    m_tabelle->setObjectName(QStringLiteral("Fragen"));
    m_tabelle->setAccessibleName(QStringLiteral("Fragen"));
    m_tabelle->setHorizontalHeaderLabels({QStringLiteral("Frage"), QStringLiteral("Richtige Antwort")});
    m_tabelle->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    spalte->addWidget(m_tabelle);
    auto* zeile = new QHBoxLayout;
    auto* neu = new QPushButton(QStringLiteral("Frage hinzufügen"));
    neu->setObjectName(QStringLiteral("FrageHinzufuegen"));
    auto* weg = new QPushButton(QStringLiteral("Frage entfernen"));
    zeile->addWidget(neu);
    zeile->addWidget(weg);
    zeile->addWidget(
        new QLabel(QStringLiteral("Falsche Antworten wählt das Quiz aus den Antworten der anderen Fragen.")),
        1);
    spalte->addLayout(zeile);
    connect(neu, &QPushButton::clicked, this, &TFragenliste::frageAnhaengen);
    connect(weg, &QPushButton::clicked, this, &TFragenliste::frageEntfernen);
    connect(m_tabelle, &QTableWidget::cellChanged, this, [this] {
        if (!m_fuellt) uebernehmen();
    });
    connect(m_tabelle, &QTableWidget::currentCellChanged, this, [this](int reihe) {
        if (reihe >= 0) emit frageGewaehlt(reihe + 1);
    });
    connect(&m_dok, &EditorDokument::geaendert, this, &TFragenliste::fuellen);
    connect(&m_dok, &EditorDokument::neuGeladen, this, &TFragenliste::fuellen);
    fuellen();
}

namespace {

// The questions as the document would hold them: trimmed, empty rows left out.
std::vector<EinzelFrage> Normalisiert(const std::vector<EinzelFrage>& fragen) {
    HeaderDataTyp kopf;
    std::vector<ObjDataTyp> objekte;
    FragenSetzen(kopf, objekte, fragen);
    return FragenAusDokument(kopf);
}

} // namespace

std::vector<EinzelFrage> TFragenliste::tabellenfragen() const {
    std::vector<EinzelFrage> fragen;
    for (int z = 0; z < m_tabelle->rowCount(); ++z) {
        auto text = [this, z](int s) {
            return m_tabelle->item(z, s) ? m_tabelle->item(z, s)->text() : QString();
        };
        fragen.push_back({text(0), text(1)});
    }
    return fragen;
}

void TFragenliste::fuellen() {
    const std::vector<EinzelFrage> fragen = FragenAusDokument(m_dok.dokument().Header);
    // The table's own edits already match; it is rebuilt only after undo, redo or opening.
    if (Normalisiert(tabellenfragen()) == fragen) return;
    m_fuellt = true;
    m_tabelle->setRowCount(0);
    m_tabelle->setRowCount(static_cast<int>(fragen.size()));
    for (int z = 0; z < static_cast<int>(fragen.size()); ++z) {
        m_tabelle->setItem(z, 0, new QTableWidgetItem(fragen[static_cast<size_t>(z)].Frage));
        m_tabelle->setItem(z, 1, new QTableWidgetItem(fragen[static_cast<size_t>(z)].Antwort));
    }
    m_fuellt = false;
}

void TFragenliste::uebernehmen() {
    const std::vector<EinzelFrage> fragen = tabellenfragen();
    if (Normalisiert(fragen) == FragenAusDokument(m_dok.dokument().Header)) return;
    m_dok.aendern(QStringLiteral("Fragen"),
                  [&fragen](Dokumentstand& s) { FragenSetzen(s.Kopf, s.Objekte, fragen); });
}

void TFragenliste::frageAnhaengen() {
    const int zeile = m_tabelle->rowCount();
    m_fuellt = true;
    m_tabelle->insertRow(zeile);
    m_tabelle->setItem(zeile, 0, new QTableWidgetItem);
    m_tabelle->setItem(zeile, 1, new QTableWidgetItem);
    m_fuellt = false;
    m_tabelle->setCurrentCell(zeile, 0);
    m_tabelle->editItem(m_tabelle->item(zeile, 0));
}

void TFragenliste::frageEntfernen() {
    const int zeile = m_tabelle->currentRow();
    if (zeile < 0) return;
    m_fuellt = true;
    m_tabelle->removeRow(zeile);
    m_fuellt = false;
    uebernehmen();
}
