#include "mapview/link.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/themen_aktionen.h"
#include "documents/themenliste.h"
#include "platform/meldungen.h"
#include "platform/shell.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Names the system runs or hands to an interpreter instead of showing them. Checked on
// every system: a Linux desktop may run .exe files through an emulator and .desktop files
// as launchers, whatever their permissions.
const QSet<QString>& Programmendungen() {
    static const QSet<QString> endungen{
        u"exe"_s,         u"com"_s,    u"bat"_s,       u"cmd"_s,      u"scr"_s, u"pif"_s,  u"msi"_s,
        u"msp"_s,         u"mst"_s,    u"cpl"_s,       u"msc"_s,      u"jar"_s, u"vb"_s,   u"vbs"_s,
        u"vbe"_s,         u"js"_s,     u"jse"_s,       u"ws"_s,       u"wsf"_s, u"wsc"_s,  u"wsh"_s,
        u"ps1"_s,         u"psm1"_s,   u"psd1"_s,      u"ps1xml"_s,   u"hta"_s, u"lnk"_s,  u"url"_s,
        u"reg"_s,         u"inf"_s,    u"scf"_s,       u"sct"_s,      u"shb"_s, u"shs"_s,  u"chm"_s,
        u"application"_s, u"gadget"_s, u"appref-ms"_s, u"desktop"_s,  u"sh"_s,  u"bash"_s, u"csh"_s,
        u"ksh"_s,         u"zsh"_s,    u"fish"_s,      u"py"_s,       u"pyw"_s, u"pl"_s,   u"rb"_s,
        u"php"_s,         u"run"_s,    u"bin"_s,       u"appimage"_s, u"deb"_s, u"rpm"_s,  u"command"_s,
        u"app"_s,         u"apk"_s,    u"elf"_s,       u"so"_s,       u"dll"_s, u"sys"_s,
    };
    return endungen;
}

const QSet<QString>& Adressschemata() {
    static const QSet<QString> schemata{u"http"_s, u"https"_s, u"ftp"_s, u"mailto"_s};
    return schemata;
}

bool HatSteuerzeichen(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
}

// The scheme of an address, or empty for a file name. One letter before the colon is a
// drive ("C:\karte.pdf"), not a scheme.
QString Schema(const QString& text) {
    const qsizetype doppelpunkt = text.indexOf(QLatin1Char(':'));
    if (doppelpunkt < 2) return {};
    const QString schema = text.left(doppelpunkt);
    for (QChar c : schema)
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 127) return {};
    return schema.toLower();
}

QString AdressZiel(const QString& text, const QString& schema) {
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().toLower() != schema) return {};
    if (schema == u"mailto"_s) return url.path().isEmpty() ? QString() : text;
    return url.host().isEmpty() ? QString() : text;
}

QString VorhandeneDatei(const QString& name, const QString& basisordner) {
    QStringList kandidaten{name};
    // Documents made on Windows name their files with backslashes.
    if (QDir::separator() != u'\\' && name.contains(u'\\')) kandidaten << QString(name).replace(u'\\', u'/');
    for (const QString& k : kandidaten) {
        const QString pfad =
            QDir::isRelativePath(k) && !basisordner.isEmpty() ? QDir(basisordner).filePath(k) : k;
        const QFileInfo info(pfad);
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

QString DateiZiel(const QString& name, const QString& basisordner) {
    const QString pfad = VorhandeneDatei(name, basisordner);
    if (pfad.isEmpty()) return {};
    // A link may be a symbolic link to a program: the file that would be opened counts.
    const QString echt = QFileInfo(pfad).canonicalFilePath();
    if (echt.isEmpty() || IstProgrammdatei(pfad) || IstProgrammdatei(echt) || HatAusfuehrungsrecht(echt))
        return {};
    return QUrl::fromLocalFile(echt).toString(QUrl::FullyEncoded);
}

} // namespace

QString LinkNichtOeffnenbarText(const QString& beschriftung) {
    return u"Die Datei oder Internet-Adresse \""_s + beschriftung + u"\" kann nicht geöffnet werden."_s;
}

QString LinkDokumentFehltText(const QString& beschriftung) {
    return u"Die Datei \""_s + beschriftung + u"\" existiert nicht."_s;
}

bool IstProgrammdatei(const QString& pfad) {
    const QString name = QFileInfo(pfad).fileName().toLower();
    // Every dotted part counts: "brief.exe.pdf" is harmless, "bild.pdf.exe" is not, and
    // neither is a trailing dot or blank that Windows drops ("setup.exe.").
    QString bereinigt = name;
    while (bereinigt.endsWith(u'.') || bereinigt.endsWith(u' '))
        bereinigt.chop(1);
    const qsizetype punkt = bereinigt.lastIndexOf(u'.');
    if (punkt < 0) return false;
    return Programmendungen().contains(bereinigt.mid(punkt + 1));
}

QString SichererLinkZiel(const QString& beschriftung, const QString& basisordner) {
    const QString text = TrimmeSteuerzeichen(beschriftung);
    if (text.isEmpty() || HatSteuerzeichen(text)) return {};
    const QString schema = Schema(text);
    if (Adressschemata().contains(schema)) return AdressZiel(text, schema);
    if (schema == u"file"_s) {
        const QUrl url(text, QUrl::TolerantMode);
        if (!url.isValid() || !url.isLocalFile() || !url.host().isEmpty()) return {};
        return DateiZiel(url.toLocalFile(), {});
    }
    if (!schema.isEmpty()) return {}; // javascript:, data:, smb:, shell: and the like
    return DateiZiel(text, basisordner);
}

bool LinkOeffnen(const QString& beschriftung, const QString& basisordner, Shell& shell,
                 Meldungen& meldungen) {
    const QString ziel = SichererLinkZiel(beschriftung, basisordner);
    if (!ziel.isEmpty() && shell.oeffnen(ziel)) return true;
    meldungen.fehler(LinkNichtOeffnenbarText(beschriftung));
    return false;
}

bool DokumentLinkOeffnen(const QString& beschriftung, const Dokument& dok, ProgrammOrdnerTyp& ordner,
                         ThemenAktionen& themen, Meldungen& meldungen) {
    const QString name =
        QDir::separator() == u'\\' ? beschriftung : QString(beschriftung).replace(u'\\', u'/');
    if (beschriftung.endsWith(u'\\') || beschriftung.endsWith(u'/')) {
        const QString unterordner = QDir::fromNativeSeparators(ordner.Themenordner) + name;
        if (!ordner.Themenordner.isEmpty() && QFileInfo(unterordner).isDir()) {
            ordner.Themenordner = MitTrenner(QDir::toNativeSeparators(QDir::cleanPath(unterordner)));
            themen.DokumentSchliessen();
            return true;
        }
    }
    QStringList orte;
    if (dok.IstOffen()) orte << OrdnerVonPfad(dok.Header.Dateiname);
    orte << ordner.Startordner << ordner.Programmordner;
    QStringList kandidaten;
    for (const QString& ort : orte)
        if (!ort.isEmpty()) kandidaten << QDir::fromNativeSeparators(ort) + name;
    kandidaten << name;
    for (const QString& pfad : kandidaten) {
        if (!QFileInfo(pfad).isFile()) continue;
        const QString datei = QDir::toNativeSeparators(pfad);
        if (themen.haken().DokumentLesen) themen.haken().DokumentLesen(datei, true);
        themen.OrdnerLesen();
        return true;
    }
    meldungen.fehler(LinkDokumentFehltText(beschriftung));
    return false;
}
