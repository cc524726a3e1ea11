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

} // namespace

EinstellungenQt::EinstellungenQt()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, Firma, Produkt),
      m_typisiert(QSysInfo::productType() == QStringLiteral("windows")) {
    SchluesselEinlesen();
}

EinstellungenQt::EinstellungenQt(const QString& iniDatei) : m_settings(iniDatei, QSettings::IniFormat) {
    SchluesselEinlesen();
}

void EinstellungenQt::SchluesselEinlesen() {
    const QStringList namen = m_settings.allKeys();
    for (const QString& name : namen)
        m_namen.insert(name.toLower(), name);
}

QString EinstellungenQt::echterName(const QString& name) const {
    return m_namen.value(name.toLower(), name);
}

QVariant EinstellungenQt::roh(const QString& name) const {
    const auto it = m_namen.constFind(name.toLower());
    if (it == m_namen.cend()) return {};
    return m_settings.value(it.value());
}

std::optional<bool> EinstellungenQt::leseBool(const QString& name) const {
    // Booleans live as 32-bit integers 0 or 1; any other number reads as true.
    const auto zahl = AlsInt32(roh(name), m_typisiert);
    if (!zahl) return std::nullopt;
    return *zahl != 0;
}

std::optional<int> EinstellungenQt::leseInt(const QString& name) const {
    return AlsInt32(roh(name), m_typisiert);
}

std::optional<QString> EinstellungenQt::leseText(const QString& name) const {
    const QVariant v = roh(name);
    if (v.typeId() == QMetaType::QString) return v.toString();
    // An INI line with unquoted commas reads back as a list; it was one text.
    if (!m_typisiert && v.typeId() == QMetaType::QStringList) return v.toStringList().join(u',');
    return std::nullopt;
}

void EinstellungenQt::schreibe(const QString& name, const QVariant& wert) {
    // Reuse the stored spelling, so that an INI file never holds one value twice.
    const QString echt = echterName(name);
    m_namen.insert(name.toLower(), echt);
    m_settings.setValue(echt, wert);
}

void EinstellungenQt::schreibeBool(const QString& name, bool wert) {
    schreibe(name, QVariant(wert ? 1 : 0));
}

void EinstellungenQt::schreibeInt(const QString& name, int wert) {
    schreibe(name, QVariant(wert));
}

void EinstellungenQt::schreibeText(const QString& name, const QString& wert) {
    schreibe(name, QVariant(wert));
}

void EinstellungenQt::speichern() {
    m_settings.sync();
}
