#pragma once
// The editor's main window: menus, the map, the properties, the cloze text or question
// list of the document type, and the checks. File flows ask the user through the ports.
#include "editor/editoransicht.h"
#include "editor/editordokument.h"
#include "editor/pruefungen.h"
#include "editor/wiederherstellung.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>

class Dialoge;
class Meldungen;
class QAction;
class QDockWidget;
class QListWidget;
class TEditorKarte;
class TEigenschaften;
class TFragenliste;
class TLueckentext;

inline const QString EditorTitel = QStringLiteral("Velmora Kartello-Editor");

struct EditorDienste {
    Meldungen& meldungen;
    Dialoge& dialoge;
    QString wiederherstellungsordner;
};

class TEditorForm final : public QMainWindow {
    Q_OBJECT
public:
    // `datei`: a document to open at once (empty: a new labelling document).
    TEditorForm(const EditorDienste& dienste, const QString& datei = QString());

    EditorDokument& dokument() { return m_dok; }
    Editoransicht& ansicht() { return m_ansicht; }
    TEditorKarte& karte() { return *m_karte; }
    TEigenschaften& eigenschaften() { return *m_eigenschaften; }
    TLueckentext& lueckentext() { return *m_lueckentext; }
    TFragenliste& fragenliste() { return *m_fragenliste; }
    QListWidget& pruefliste() { return *m_pruefliste; }
    QAction* aktion(const QString& name) const;

    // File commands as the menu runs them; false when cancelled or failed.
    bool neu(DokTyp typ);
    bool oeffnen(const QString& pfad = QString());
    bool speichern();
    bool speichernUnter();
    // Asks what to do with unsaved changes; true when the document may go.
    bool verwerfenErlaubt();
    // The checks, listed in the panel; returns what was found.
    std::vector<Befund> pruefen();
    // A copy of the document in a temporary folder for a test run; empty on failure.
    QString testkopieAnlegen();
    void wiederherstellungSichern();
    void wiederherstellungAnbieten();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void menuesAnlegen();
    void dateimenue();
    void bearbeitenmenue();
    void ansichtsmenue();
    void leistenAnlegen();
    void typGeaendert();
    void titelSetzen();
    bool schreiben(const QString& pfad);
    void bildWaehlen();
    void testen();
    void kopieren();
    void einfuegen();
    void loeschen();

    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    EditorDokument m_dok;
    Editoransicht m_ansicht{m_dok};
    Wiederherstellung m_wiederherstellung;
    QTimer m_sicherung;
    QTimer m_nachpruefen; // findings shown are checked again after a change
    std::unique_ptr<QTemporaryDir> m_testordner;
    std::optional<ObjDataTyp> m_ablage;

    TEditorKarte* m_karte = nullptr;
    TEigenschaften* m_eigenschaften = nullptr;
    TLueckentext* m_lueckentext = nullptr;
    TFragenliste* m_fragenliste = nullptr;
    QListWidget* m_pruefliste = nullptr;
    QDockWidget* m_lueckenLeiste = nullptr;
    QDockWidget* m_fragenLeiste = nullptr;
};
