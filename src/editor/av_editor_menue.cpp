// Menus of the editor and the editing commands on the selected object.
#include "editor/av_editor.h"

#include "editor/ac_editorkarte.h"
#include "editor/objekte.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>

QAction* TEditorForm::aktion(const QString& name) const {
    return findChild<QAction*>(name);
}

namespace {

QAction* Aktion(QWidget* eltern, QMenu* menue, const QString& text, const QString& name,
                QKeySequence taste = {}) {
    auto* a = new QAction(text, eltern);
    a->setObjectName(name);
    a->setShortcut(taste);
    menue->addAction(a);
    return a;
}

} // namespace

void TEditorForm::menuesAnlegen() {
    dateimenue();
    bearbeitenmenue();
    ansichtsmenue();
}

void TEditorForm::dateimenue() {
    QMenu* m = menuBar()->addMenu(QStringLiteral("&Datei"));
    QMenu* neu = m->addMenu(QStringLiteral("&Neu"));
    connect(Aktion(this, neu, QStringLiteral("Bildbeschriftung"), QStringLiteral("NeuBildbeschriftung"),
                   QKeySequence::New),
            &QAction::triggered, this, [this] { this->neu(Bildbeschriftung); });
    connect(Aktion(this, neu, QStringLiteral("Lückentext"), QStringLiteral("NeuLueckentext")),
            &QAction::triggered, this, [this] { this->neu(Lueckentext); });
    connect(Aktion(this, neu, QStringLiteral("Einzelfragen"), QStringLiteral("NeuEinzelfragen")),
            &QAction::triggered, this, [this] { this->neu(Einzelfragen); });
    connect(Aktion(this, m, QStringLiteral("Ö&ffnen..."), QStringLiteral("Oeffnen"), QKeySequence::Open),
            &QAction::triggered, this, [this] { oeffnen(); });
    connect(Aktion(this, m, QStringLiteral("&Speichern"), QStringLiteral("Speichern"), QKeySequence::Save),
            &QAction::triggered, this, &TEditorForm::speichern);
    connect(Aktion(this, m, QStringLiteral("Speichern &unter..."), QStringLiteral("SpeichernUnter"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TEditorForm::speichernUnter);
    m->addSeparator();
    connect(Aktion(this, m, QStringLiteral("&Bild wählen..."), QStringLiteral("BildWaehlen"),
                   QKeySequence(Qt::CTRL | Qt::Key_B)),
            &QAction::triggered, this, &TEditorForm::bildWaehlen);
    connect(Aktion(this, m, QStringLiteral("&Prüfen"), QStringLiteral("Pruefen"), QKeySequence(Qt::Key_F8)),
            &QAction::triggered, this, &TEditorForm::pruefen);
    connect(Aktion(this, m, QStringLiteral("&Testen"), QStringLiteral("Testen"), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, &TEditorForm::testen);
    m->addSeparator();
    connect(Aktion(this, m, QStringLiteral("B&eenden"), QStringLiteral("Beenden"),
                   QKeySequence(Qt::ALT | Qt::Key_F4)),
            &QAction::triggered, this, &QWidget::close);
}

void TEditorForm::bearbeitenmenue() {
    QMenu* m = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* rueck = m_dok.stapel().createUndoAction(this, QStringLiteral("Rückgängig"));
    rueck->setObjectName(QStringLiteral("Rueckgaengig"));
    rueck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* wieder = m_dok.stapel().createRedoAction(this, QStringLiteral("Wiederholen"));
    wieder->setObjectName(QStringLiteral("Wiederholen"));
    wieder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m->addAction(rueck);
    m->addAction(wieder);
    m->addSeparator();
    // Copy, paste and delete act on the map's selection only while the map has the focus,
    // so that the text fields keep their own keys.
    for (auto [text, name, taste, befehl] :
         {std::tuple{QStringLiteral("&Kopieren"), QStringLiteral("Kopieren"),
                     QKeySequence(QKeySequence::Copy), &TEditorForm::kopieren},
          std::tuple{QStringLiteral("&Einfügen"), QStringLiteral("Einfuegen"),
                     QKeySequence(QKeySequence::Paste), &TEditorForm::einfuegen},
          std::tuple{QStringLiteral("&Löschen"), QStringLiteral("Loeschen"), QKeySequence(Qt::Key_Delete),
                     &TEditorForm::loeschen}}) {
        QAction* a = Aktion(this, m, text, name);
        auto* kurz = new QAction(m_karte);
        kurz->setShortcut(taste);
        kurz->setShortcutContext(Qt::WidgetShortcut);
        m_karte->addAction(kurz);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WidgetShortcut); // shown in the menu, taken by the map's action
        connect(a, &QAction::triggered, this, befehl);
        connect(kurz, &QAction::triggered, this, befehl);
    }
}

void TEditorForm::ansichtsmenue() {
    QMenu* m = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    auto* gruppe = new QActionGroup(this);
    QAction* lern = Aktion(this, m, QStringLiteral("&Lernansicht"), QStringLiteral("Lernansicht"),
                           QKeySequence(Qt::CTRL | Qt::Key_1));
    QAction* quiz = Aktion(this, m, QStringLiteral("&Quizansicht"), QStringLiteral("Quizansicht"),
                           QKeySequence(Qt::CTRL | Qt::Key_2));
    for (QAction* a : {lern, quiz}) {
        a->setCheckable(true);
        gruppe->addAction(a);
    }
    lern->setChecked(true);
    connect(quiz, &QAction::toggled, &m_ansicht, &Editoransicht::setzeQuizansicht);
    m->addSeparator();
    connect(Aktion(this, m, QStringLiteral("Ver&größern"), QStringLiteral("ZoomRein"), QKeySequence::ZoomIn),
            &QAction::triggered, this, [this] {
                if (m_ansicht.karte().ZoomRein()) m_ansicht.aufbauen();
            });
    connect(
        Aktion(this, m, QStringLiteral("Ver&kleinern"), QStringLiteral("ZoomRaus"), QKeySequence::ZoomOut),
        &QAction::triggered, this, [this] {
            if (m_ansicht.karte().ZoomRaus()) m_ansicht.aufbauen();
        });
    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    for (const char* name : {"Oeffnen", "Speichern", "Rueckgaengig", "Wiederholen", "BildWaehlen",
                             "Lernansicht", "Quizansicht", "ZoomRein", "ZoomRaus", "Pruefen", "Testen"})
        leiste->addAction(aktion(QString::fromLatin1(name)));
}

void TEditorForm::kopieren() {
    const int i = m_karte->auswahl();
    if (i >= 0) m_ablage = m_dok.dokument().Objekte[static_cast<size_t>(i)];
}

void TEditorForm::einfuegen() {
    if (!m_ablage) return;
    ObjDataTyp o = *m_ablage;
    ObjektVerschieben(o, 0.02, 0.02);
    const int index = static_cast<int>(m_dok.dokument().Objekte.size());
    m_dok.aendern(QStringLiteral("Einfügen"), [&o](Dokumentstand& s) { s.Objekte.push_back(o); });
    m_karte->setzeAuswahl(index);
}

void TEditorForm::loeschen() {
    const int i = m_karte->auswahl();
    if (i < 0) return;
    m_karte->setzeAuswahl(-1);
    m_dok.aendern(QStringLiteral("Löschen"),
                  [i](Dokumentstand& s) { s.Objekte.erase(s.Objekte.begin() + i); });
}
