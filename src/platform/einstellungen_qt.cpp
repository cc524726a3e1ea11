#include "platform/einstellungen_qt.h"

#include <QSysInfo>
#include <limits>

namespace {

const QString Firma = QStringLiteral("Velmora");
const QString Produkt = QStringLiteral("Velmora Kartello-Quiz 1.0");

bool IstZahl(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// A 32-bit integer, or nothing when the value holds something else.
std::optional<int> AlsInt32(const QVariant& v, bool typisiert) {
    bool ok = false;
    qint64 zahl = 0;
    if (IstZahl(v))
        zahl = v.toLongLong(&ok);
    else if (!typisiert && v.typeId() == QMetaType::QString)
        zahl = v.toString().trimmed().toLongLong(&ok, 10);
    // The registry keeps DWORDs unsigned; an INI may hold anything up to 64 bits.
    if (!ok || zahl < std::numeric_limits<int32_t>::min() || zahl > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(static_cast<uint32_t>(zahl));
}

// Booleans live as 32-bit integers 0 or 1 (any other number reads as true); an
// administrator writing a preset by hand may also spell them "true" and "false".
std::optional<bool> AlsBool(const QVariant& v, bool typisiert) {
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    if (v.typeId() == QMetaType::QString) {
        const QString wort = v.toString().trimmed();
        if (wort.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
        if (wort.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    }
    const auto zahl = AlsInt32(v, typisiert);
    if (!zahl) return std::nullopt;
    return *zahl != 0;
}

std::optional<QString> AlsText(const QVariant& v, bool typisiert) {
    if (v.typeId() == QMetaType::QString) return v.toString();
    // An INI line with unquoted commas reads back as a list; it was one text.
    if (!typisiert && v.typeId() == QMetaType::QStringList) return v.toStringList().join(u',');
    return std::nullopt;
}

} // namespace

EinstellungsDatei::EinstellungsDatei(QSettings::Scope bereich)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, bereich, Firma, Produkt)),
      m_typisiert(QSysInfo::productType() == QStringLiteral("windows")) {
    // The presets are read as a store of their own, so that the origin of a value is known.
    m_settings->setFallbacksEnabled(false);
    SchluesselEinlesen();
}

EinstellungsDatei::EinstellungsDatei(const QString& iniDatei)
    : m_settings(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat)) {
    m_settings->setFallbacksEnabled(false);
    SchluesselEinlesen();
}

void EinstellungsDatei::SchluesselEinlesen() {
    const QStringList namen = m_settings->allKeys();
    for (const QString& name : namen)
        m_namen.insert(name.toLower(), name);
}

QVariant EinstellungsDatei::roh(const QString& name) const {
    const auto it = m_namen.constFind(name.toLower());
    if (it == m_namen.cend()) return {};
    return m_settings->value(it.value());
}

std::optional<bool> EinstellungsDatei::leseBool(const QString& name) const {
    return AlsBool(roh(name), m_typisiert);
}

std::optional<int> EinstellungsDatei::leseInt(const QString& name) const {
    return AlsInt32(roh(name), m_typisiert);
}

std::optional<QString> EinstellungsDatei::leseText(const QString& name) const {
    return AlsText(roh(name), m_typisiert);
}

void EinstellungsDatei::schreibe(const QString& name, const QVariant& wert) {
    // Reuse the stored spelling, so that an INI file never holds one value twice.
    const QString echt = m_namen.value(name.toLower(), name);
    m_namen.insert(name.toLower(), echt);
    m_settings->setValue(echt, wert);
}

void EinstellungsDatei::schreibeBool(const QString& name, bool wert) {
    schreibe(name, QVariant(wert ? 1 : 0));
}

void EinstellungsDatei::schreibeInt(const QString& name, int wert) {
    schreibe(name, QVariant(wert));
}

void EinstellungsDatei::schreibeText(const QString& name, const QString& wert) {
    schreibe(name, QVariant(wert));
}

bool EinstellungsDatei::speichern() {
    m_settings->sync();
    return fehlerfrei();
}

EinstellungenQt::EinstellungenQt() : m_benutzer(QSettings::UserScope), m_system(SystemVorgabenOeffnen()) {}

EinstellungenQt::EinstellungenQt(const QString& iniDatei) : m_benutzer(iniDatei) {}

EinstellungenQt::EinstellungenQt(const QString& benutzerDatei, const QString& systemDatei)
    : m_benutzer(benutzerDatei), m_system(std::make_unique<EinstellungsDatei>(systemDatei)) {}

// The user's value wins; one he holds in an unreadable form leaves the preset in force.
std::optional<bool> EinstellungenQt::leseBool(const QString& name) const {
    if (const auto w = m_benutzer.leseBool(name)) return w;
    return m_system ? m_system->leseBool(name) : std::nullopt;
}

std::optional<int> EinstellungenQt::leseInt(const QString& name) const {
    if (const auto w = m_benutzer.leseInt(name)) return w;
    return m_system ? m_system->leseInt(name) : std::nullopt;
}

std::optional<QString> EinstellungenQt::leseText(const QString& name) const {
    if (const auto w = m_benutzer.leseText(name)) return w;
    return m_system ? m_system->leseText(name) : std::nullopt;
}

bool EinstellungenQt::vonVorgabeGedeckt(const QString& name, const QVariant& wert) const {
    if (!m_system || m_benutzer.enthaelt(name)) return false;
    switch (wert.typeId()) {
    case QMetaType::Bool:
        return m_system->leseBool(name) == wert.toBool();
    case QMetaType::Int:
        return m_system->leseInt(name) == wert.toInt();
    default:
        return m_system->leseText(name) == wert.toString();
    }
}

void EinstellungenQt::schreibeBool(const QString& name, bool wert) {
    if (!vonVorgabeGedeckt(name, QVariant(wert))) m_benutzer.schreibeBool(name, wert);
}

void EinstellungenQt::schreibeInt(const QString& name, int wert) {
    if (!vonVorgabeGedeckt(name, QVariant(wert))) m_benutzer.schreibeInt(name, wert);
}

void EinstellungenQt::schreibeText(const QString& name, const QString& wert) {
    if (!vonVorgabeGedeckt(name, QVariant(wert))) m_benutzer.schreibeText(name, wert);
}

bool EinstellungenQt::speichern() {
    return m_benutzer.speichern();
}
