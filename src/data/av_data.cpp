#include "data/av_data.h"

#include "data/installation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTime>

QString MitTrenner(const QString& pfad) {
    if (pfad.isEmpty() || pfad.endsWith(QDir::separator()) || pfad.endsWith(u'/')) return pfad;
    return pfad + QDir::separator();
}

namespace {

QString Nativ(const QString& pfad) {
    return MitTrenner(QDir::toNativeSeparators(pfad));
}

// A read-only resource folder: beside the program, else in the installed share folder.
QString Ressourcenordner(const QString& programmordner, const QString& name) {
    const QString nebenan = programmordner + name;
    if (QFileInfo(nebenan).isDir()) return Nativ(nebenan);
    const QString geteilt = InstallierterDatenordner(programmordner);
    if (!geteilt.isEmpty() && QFileInfo(geteilt + name).isDir()) return Nativ(geteilt + name);
    return Nativ(nebenan);
}

bool Beschreibbar(const QString& ordner) {
    const QFileInfo info(ordner);
    return info.isDir() && info.isWritable();
}

const QString SchreibOrdnerNamen[] = {QStringLiteral("protokolle"), QStringLiteral("bestenlisten"),
                                      QStringLiteral("kom")};

// Both places the program may choose for its writable folders.
QStringList EigeneSchreibordner(const QString& programmordner) {
    QStringList basen{programmordner};
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!daten.isEmpty()) basen << Nativ(daten);
    QStringList ordner;
    for (const QString& basis : basen)
        for (const QString& name : SchreibOrdnerNamen)
            ordner << Nativ(basis + name);
    return ordner;
}

QString Vergleichsform(const QString& pfad) {
    return QDir::cleanPath(QDir::fromNativeSeparators(pfad));
}

} // namespace

ProgrammOrdnerTyp OrdnerAusProgrammordner(const QString& programmordner) {
    ProgrammOrdnerTyp o;
    o.Programmordner = Nativ(programmordner);
    o.Startordner = o.Programmordner;
    o.Themenordner = o.Startordner;
    o.Soundordner = Ressourcenordner(o.Programmordner, QStringLiteral("sound"));
    o.Hilfeordner = Ressourcenordner(o.Programmordner, QStringLiteral("hilfe"));
    QString schreibbasis = o.Programmordner;
    // An installed program never writes beside itself, even where it could (root, an
    // unpacked copy): the per-user data folder keeps every user's files apart.
    if (!InstallierterDatenordner(o.Programmordner).isEmpty() || !Beschreibbar(programmordner)) {
        const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!daten.isEmpty()) schreibbasis = Nativ(daten);
    }
    o.Protokollordner = Nativ(schreibbasis + QStringLiteral("protokolle"));
    o.Bestenlistenordner = Nativ(schreibbasis + QStringLiteral("bestenlisten"));
    o.Kommunikationsordner = Nativ(schreibbasis + QStringLiteral("kom"));
    o.Setupordner = Nativ(o.Programmordner + QStringLiteral("setupbasissystem"));
    o.EigeneOrdner = EigeneSchreibordner(o.Programmordner);
    return o;
}

bool OrdnerBereitstellen(const QString& ordner, const ProgrammOrdnerTyp& o) {
    if (ordner.isEmpty()) return false;
    if (QFileInfo(ordner).isDir()) return true;
    const QString gesucht = Vergleichsform(ordner);
    for (const QString& eigener : o.EigeneOrdner)
        if (Vergleichsform(eigener) == gesucht) return QDir().mkpath(ordner);
    return false;
}

ProgrammOrdnerTyp& Ordner() {
    static ProgrammOrdnerTyp ordner;
    return ordner;
}

uint32_t Zufall::Random(uint32_t n) {
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(m_seed) * n) >> 32);
}

Zufall& Zufallsgenerator() {
    static Zufall zufall;
    return zufall;
}

uint32_t ZufallsStartwert() {
    const QTime t = QTime::currentTime();
    return static_cast<uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

QString TrimmeSteuerzeichen(const QString& text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).unicode() <= 32)
        ++anfang;
    while (ende > anfang && text.at(ende - 1).unicode() <= 32)
        --ende;
    return text.mid(anfang, ende - anfang);
}

namespace {

// Joins words split by a hyphen at a line end; a hyphen before an upper-case
// letter stays, because it belongs to a compound such as a double name.
void TrennungenVerbinden(QString& s) {
    const QString trennung = QStringLiteral("-\r\n");
    qsizetype pos = s.indexOf(trennung);
    while (pos >= 0 && pos + 3 < s.size()) {
        const QChar danach = s.at(pos + 3);
        if (danach != danach.toUpper())
            s.remove(pos, 3);
        else
            s.remove(pos + 1, 2);
        pos = s.indexOf(trennung);
    }
}

QString DoppelteLeerzeichenHalbieren(const QString& s) {
    QString aus;
    aus.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        aus.append(s.at(i));
        if (s.at(i) == u' ' && i + 1 < s.size() && s.at(i + 1) == u' ') ++i;
    }
    return aus;
}

QString DateiSatz(const QString& datei, const QString& rest, const QString& zusatz) {
    QString text = QStringLiteral("Die Datei \"") + datei + u'"' + rest;
    if (!zusatz.isEmpty()) text += QStringLiteral("\r\n\r\n") + zusatz;
    return text;
}

} // namespace

QString TextNormalisieren(const QString& text) {
    QString s = text;
    TrennungenVerbinden(s);
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    return TrimmeSteuerzeichen(DoppelteLeerzeichenHalbieren(s));
}

QString SchreibfehlerText(const QString& datei, const QString& zusatz) {
    return DateiSatz(datei,
                     QStringLiteral(" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                                    "- Ungültiger Ordner oder Dateiname\r\n"
                                    "- fehlende Schreibzugriffsberechtigung im Netzwerk"),
                     zusatz);
}

QString LesefehlerText(const QString& datei, const QString& zusatz) {
    return DateiSatz(datei,
                     QStringLiteral(" kann nicht gelesen werden. Mögliche Ursachen:\r\n"
                                    "- Datei existiert nicht\r\n"
                                    "- Ungültiges Dateiformat\r\n"
                                    "- fehlende Lesezugriffsberechtigung im Netzwerk"),
                     zusatz);
}

QString FehltText(const QString& datei, const QString& zusatz) {
    return DateiSatz(datei, QStringLiteral(" existiert nicht."), zusatz);
}
