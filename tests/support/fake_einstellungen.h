#pragma once
// A settings store in memory: value names ignore case, values keep their type
// (bool is kept as the int 0/1 the real store writes), and every write is recorded.
#include "platform/einstellungen.h"

#include <QMap>
#include <QStringList>
#include <QVariant>

class FakeEinstellungen final : public Einstellungen {
public:
    // Puts a value of any type into the store, as if another program had written it.
    void setze(const QString& name, const QVariant& wert) { m_werte.insert(name.toLower(), {name, wert}); }
    bool enthaelt(const QString& name) const { return m_werte.contains(name.toLower()); }
    QVariant wert(const QString& name) const { return m_werte.value(name.toLower()).wert; }
    // The stored spelling of a name.
    QString gespeicherterName(const QString& name) const { return m_werte.value(name.toLower()).name; }
    int anzahl() const { return static_cast<int>(m_werte.size()); }

    std::optional<bool> leseBool(const QString& name) const override {
        const auto zahl = leseInt(name);
        return zahl ? std::optional<bool>(*zahl != 0) : std::nullopt;
    }
    std::optional<int> leseInt(const QString& name) const override {
        const QVariant v = wert(name);
        if (v.typeId() != QMetaType::Int) return std::nullopt;
        return v.toInt();
    }
    std::optional<QString> leseText(const QString& name) const override {
        const QVariant v = wert(name);
        if (v.typeId() != QMetaType::QString) return std::nullopt;
        return v.toString();
    }
    void schreibeBool(const QString& name, bool w) override { schreibe(name, QVariant(w ? 1 : 0)); }
    void schreibeInt(const QString& name, int w) override { schreibe(name, QVariant(w)); }
    void schreibeText(const QString& name, const QString& w) override { schreibe(name, QVariant(w)); }
    bool speichern() override {
        ++gespeichert;
        return !speichernScheitert;
    }
    QString ort() const override { return QStringLiteral("/home/lehrer/.config/Velmora/Kartello.conf"); }

    QStringList geschrieben;         // names in the order of writing
    int gespeichert = 0;             // calls of speichern()
    bool speichernScheitert = false; // as a read-only file or a folder at its name would

private:
    struct Wert {
        QString name;
        QVariant wert;
    };
    void schreibe(const QString& name, const QVariant& w) {
        geschrieben.append(name);
        const auto it = m_werte.find(name.toLower());
        if (it != m_werte.end())
            it->wert = w; // the store keeps the first spelling, as the registry does
        else
            m_werte.insert(name.toLower(), {name, w});
    }
    QMap<QString, Wert> m_werte;
};
