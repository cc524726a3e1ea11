#pragma once
// The settings store on QSettings: the registry key of the current user on Windows,
// an INI file in the XDG config folder elsewhere. Value names ignore case.
// An administrator may preset any value for every user of a computer in the
// system-scope store; a value the user holds wins over the preset.
#include "platform/einstellungen.h"

#include <QHash>
#include <QSettings>
#include <QVariant>
#include <memory>

// One QSettings store with case-insensitive value names.
class EinstellungsDatei final : public Einstellungen {
public:
    // The program's native store of the given scope.
    explicit EinstellungsDatei(QSettings::Scope bereich);
    // An INI file at an explicit path.
    explicit EinstellungsDatei(const QString& iniDatei);

    std::optional<bool> leseBool(const QString& name) const override;
    std::optional<int> leseInt(const QString& name) const override;
    std::optional<QString> leseText(const QString& name) const override;
    void schreibeBool(const QString& name, bool wert) override;
    void schreibeInt(const QString& name, int wert) override;
    void schreibeText(const QString& name, const QString& wert) override;
    bool speichern() override;

    bool enthaelt(const QString& name) const { return m_namen.contains(name.toLower()); }
    // False when the last save could not write the store.
    bool fehlerfrei() const { return m_settings->status() == QSettings::NoError; }
    // The file or registry path behind the store, for messages and tests.
    QString ort() const override { return m_settings->fileName(); }

private:
    void SchluesselEinlesen();
    QVariant roh(const QString& name) const;
    void schreibe(const QString& name, const QVariant& wert);

    std::unique_ptr<QSettings> m_settings;
    // INI files keep no types: every value reads back as text, so numbers are parsed.
    bool m_typisiert = false;
    QHash<QString, QString> m_namen; // lower case -> name as stored
};

// The system-wide presets of this computer, or nothing when there are none
// (per operating system in einstellungen_system_*.cpp).
std::unique_ptr<EinstellungsDatei> SystemVorgabenOeffnen();

class EinstellungenQt final : public Einstellungen {
public:
    // The program's own store: "Velmora" / "Velmora Kartello-Quiz 1.0" of the current
    // user, over the presets of the computer.
    EinstellungenQt();
    // An INI file at an explicit path (tests, portable use), without presets.
    explicit EinstellungenQt(const QString& iniDatei);
    // A user file over a file of presets.
    EinstellungenQt(const QString& benutzerDatei, const QString& systemDatei);

    std::optional<bool> leseBool(const QString& name) const override;
    std::optional<int> leseInt(const QString& name) const override;
    std::optional<QString> leseText(const QString& name) const override;
    // A value the user does not hold yet and that equals the preset is not copied
    // into the user's store, so that a later change of the preset still reaches him.
    void schreibeBool(const QString& name, bool wert) override;
    void schreibeInt(const QString& name, int wert) override;
    void schreibeText(const QString& name, const QString& wert) override;
    bool speichern() override;

    EinstellungsDatei& benutzer() { return m_benutzer; }
    const EinstellungsDatei& benutzer() const { return m_benutzer; }
    const EinstellungsDatei* system() const { return m_system.get(); }
    QString ort() const override { return m_benutzer.ort(); }

private:
    bool vonVorgabeGedeckt(const QString& name, const QVariant& wert) const;

    EinstellungsDatei m_benutzer;
    std::unique_ptr<EinstellungsDatei> m_system;
};
