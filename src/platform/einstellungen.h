#pragma once
// Port: the per-user settings store. Value names are compared without regard to case.
#include <QString>
#include <optional>

class Einstellungen {
public:
    virtual ~Einstellungen() = default;
    virtual std::optional<bool> leseBool(const QString& name) const = 0;
    virtual std::optional<int> leseInt(const QString& name) const = 0;
    virtual std::optional<QString> leseText(const QString& name) const = 0;
    virtual void schreibeBool(const QString& name, bool wert) = 0;
    virtual void schreibeInt(const QString& name, int wert) = 0;
    virtual void schreibeText(const QString& name, const QString& wert) = 0;
    // Persists what was written; false when the store could not be written.
    virtual bool speichern() { return true; }
    // Where the store lives (file or registry path), for the write-failure message.
    virtual QString ort() const { return {}; }
};
