#include "editor/av_editor.h"

#include "editor/ac_editorkarte.h"
#include "editor/ac_eigenschaften.h"
#include "editor/ac_fragenliste.h"
#include "editor/ac_lueckentext.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QListWidget>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusBar>

TEditorForm::TEditorForm(const EditorDienste& dienste, const QString& datei)
    : m_meldungen(dienste.meldungen), m_dialoge(dienste.dialoge),
      m_wiederherstellung(dienste.wiederherstellungsordner) {
    setObjectName(QStringLiteral("EditorForm"));
    resize(1180, 820);
    m_karte = new TEditorKarte(m_dok, m_ansicht);
    setCentralWidget(m_karte);
    leistenAnlegen();
    menuesAnlegen();
    connect(m_karte, &TEditorKarte::auswahlGeaendert, m_eigenschaften, &TEigenschaften::setzeObjekt);
    connect(m_karte, &TEditorKarte::beschriftungAngelegt, m_eigenschaften,
            &TEigenschaften::beschriftungBearbeiten);
    connect(m_fragenliste, &TFragenliste::frageGewaehlt, &m_ansicht, &Editoransicht::setzeFrage);
    connect(&m_dok, &EditorDokument::neuGeladen, this, &TEditorForm::typGeaendert);
    connect(&m_dok.stapel(), &QUndoStack::cleanChanged, this, &TEditorForm::titelSetzen);
    m_nachpruefen.setSingleShot(true);
    m_nachpruefen.setInterval(500);
    connect(&m_nachpruefen, &QTimer::timeout, this, &TEditorForm::pruefen);
    connect(&m_dok, &EditorDokument::geaendert, this, [this] {
        if (m_pruefliste->count() > 0 && !m_ansicht.zieht()) m_nachpruefen.start();
    });
    m_sicherung.setInterval(60 * 1000);
    connect(&m_sicherung, &QTimer::timeout, this, &TEditorForm::wiederherstellungSichern);
    m_sicherung.start();
    typGeaendert();
    statusBar()->showMessage(
        QStringLiteral("Bild wählen (Strg+B), dann auf die Karte klicken: Anker setzen und "
                       "Beschriftung tippen. Kästen und Anker lassen sich ziehen."));
    if (!datei.isEmpty()) oeffnen(datei);
}

void TEditorForm::leistenAnlegen() {
    auto* rechts = new QDockWidget(QStringLiteral("Eigenschaften"), this);
    rechts->setObjectName(QStringLiteral("EigenschaftenLeiste"));
    m_eigenschaften = new TEigenschaften(m_dok);
    auto* rollen = new QScrollArea;
    rollen->setWidget(m_eigenschaften);
    rollen->setWidgetResizable(true);
    rechts->setWidget(rollen);
    addDockWidget(Qt::RightDockWidgetArea, rechts);

    m_lueckenLeiste = new QDockWidget(QStringLiteral("Lückentext"), this);
    m_lueckenLeiste->setObjectName(QStringLiteral("LueckentextLeiste"));
    m_lueckentext = new TLueckentext(m_dok);
    m_lueckenLeiste->setWidget(m_lueckentext);
    addDockWidget(Qt::BottomDockWidgetArea, m_lueckenLeiste);

    m_fragenLeiste = new QDockWidget(QStringLiteral("Fragen"), this);
    m_fragenLeiste->setObjectName(QStringLiteral("FragenLeiste"));
    m_fragenliste = new TFragenliste(m_dok);
    m_fragenLeiste->setWidget(m_fragenliste);
    addDockWidget(Qt::BottomDockWidgetArea, m_fragenLeiste);

    auto* unten = new QDockWidget(QStringLiteral("Prüfungen"), this);
    unten->setObjectName(QStringLiteral("PruefungenLeiste"));
    m_pruefliste = new QListWidget;
    m_pruefliste->setAccessibleName(QStringLiteral("Prüfungen"));
    unten->setWidget(m_pruefliste);
    addDockWidget(Qt::RightDockWidgetArea, unten);
    resizeDocks({rechts, unten}, {560, 140}, Qt::Vertical);
    resizeDocks({rechts}, {360}, Qt::Horizontal);
    connect(m_pruefliste, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        const int objekt = eintrag->data(Qt::UserRole).toInt();
        if (objekt < 0) return;
        const ObjDataTyp& o = m_dok.dokument().Objekte[static_cast<size_t>(objekt)];
        if (o.OB_FrageNummer >= 1) m_ansicht.setzeFrage(o.OB_FrageNummer);
        m_karte->setzeAuswahl(objekt);
        m_karte->setFocus();
    });
    connect(m_pruefliste, &QListWidget::itemClicked, m_pruefliste, &QListWidget::itemActivated);
}

void TEditorForm::typGeaendert() {
    const int typ = m_dok.dokument().Header.HD_DokTyp;
    m_lueckenLeiste->setVisible(typ == Lueckentext);
    m_fragenLeiste->setVisible(typ == Einzelfragen);
    m_pruefliste->clear();
    titelSetzen();
}

void TEditorForm::titelSetzen() {
    const QString pfad = m_dok.pfad();
    const QString name = pfad.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(pfad).fileName();
    const QString typ = DokTypName(m_dok.dokument().Header.HD_DokTyp);
    setWindowTitle(name + (m_dok.istGeaendert() ? QStringLiteral(" *") : QString()) + QStringLiteral(" (") +
                   typ + QStringLiteral(") - ") + EditorTitel);
}

std::vector<Befund> TEditorForm::pruefen() {
    m_ansicht.beschriftungenErneuern(); // boxes as the map view draws them now
    const std::vector<Befund> befunde = DokumentPruefen(m_ansicht.anzeige());
    m_pruefliste->clear();
    for (const Befund& b : befunde) {
        auto* eintrag = new QListWidgetItem(b.text, m_pruefliste);
        eintrag->setData(Qt::UserRole, b.objekt);
    }
    if (befunde.empty())
        (new QListWidgetItem(QStringLiteral("Keine Auffälligkeiten."), m_pruefliste))
            ->setData(Qt::UserRole, -1);
    return befunde;
}

void TEditorForm::closeEvent(QCloseEvent* ereignis) {
    if (!verwerfenErlaubt()) {
        ereignis->ignore();
        return;
    }
    m_wiederherstellung.verwerfen();
    ereignis->accept();
}
