#pragma once
// The settings store on QSettings: the registry key of the current user on Windows,
// an INI file in the XDG config folder elsewhere. Value names ignore case.
#include "platform/einstellungen.h"

#include <QHash>
#include <QSettings>
#include <QVariant>

class EinstellungenQt final : public Einstellungen {
public:
    // The program's own store: "Velmora" / "Velmora Kartello-Quiz 1.0" of the current user.
    EinstellungenQt();
    // An INI file at an explicit path (tests, portable use).
    explicit EinstellungenQt(const QString& iniDatei);

    std::optional<bool> leseBool(const QString& name) const override;
    std::optional<int> leseInt(const QString& name) const override;
    std::optional<QString> leseText(const QString& name) const override;
    void schreibeBool(const QString& name, bool wert) override;
    void schreibeInt(const QString& name, int wert) override;
    void schreibeText(const QString& name, const QString& wert) override;
    void speichern() override;

    // The file or registry path behind the store, for messages and tests.
    QString ort() const { return m_settings.fileName(); }

private:
    void SchluesselEinlesen();
    QVariant roh(const QString& name) const;
    QString echterName(const QString& name) const;
    void schreibe(const QString& name, const QVariant& wert);

    QSettings m_settings;
    // INI files keep no types: every value reads back as text, so numbers are parsed.
    bool m_typisiert = false;
    QHash<QString, QString> m_namen; // lower case -> name as stored
};
