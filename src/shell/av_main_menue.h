#pragma once
// The menu bar of the main window, built from one table. Hidden entries keep
// their shortcut keys: their actions are also added to the window, and a
// command runs only while every menu above its entry is enabled.
#include <QHash>
#include <QKeySequence>
#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

class Hauptmenue final {
public:
    explicit Hauptmenue(QMainWindow* fenster);

    // The entry or menu by its component name, e.g. "Oeffnen1", "Auswahl1", "Sound1".
    QAction* aktion(const QString& name) const;
    QMenu* menue(const QString& name) const;

    // Runs `befehl` when the entry is triggered, but only while its menus are enabled.
    // Throws std::invalid_argument for a name that is no entry of the menus.
    void verbinden(const QString& name, std::function<void()> befehl);

    // Number of fixed entries of "&Quizauswahl" before the topic entries.
    static constexpr int FesteQuizauswahlEintraege = 9;

private:
    struct Eintrag {
        const char* menue;
        const char* name;
        const char* text;
        QKeySequence taste;
        bool versteckt;
        bool umschaltbar;
    };
    void menueAnlegen(const char* eltern, const char* name, const char* text, bool versteckt);
    void eintragAnlegen(const Eintrag& e);
    void trennerAnlegen(const char* menue, bool versteckt);
    bool menuesAktiv(QAction* a) const;
    void aufbauen();

    QMainWindow* m_fenster;
    QHash<QString, QAction*> m_aktionen;
    QHash<QString, QMenu*> m_menues;
    QHash<QAction*, QMenu*> m_elternMenue;
};
