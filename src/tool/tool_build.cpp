// "kartello-tool build DOKUMENT.json AUS.tvl": a document from its JSON description.
#include "tool_befehl.h"

#include "tool_ausgabe.h"
#include "tool_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

#include "data/av_data.h"
#include "documents/tvl_datei.h"

namespace {

QString ParserFehlerText(QJsonParseError::ParseError fehler) {
    switch (fehler) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("Objekt nicht abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("Doppelpunkt fehlt");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("Liste nicht abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("Komma fehlt");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("ungültiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("Text endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("ungültige Escape-Sequenz");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("ungültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("Zeichenkette nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QStringLiteral("JSON-Objekt erwartet");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("Dokument zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("überzählige Zeichen am Ende");
    default:
        return QStringLiteral("Syntaxfehler");
    }
}

bool JsonLaden(const QString& pfad, QJsonObject& json, QString& fehler) {
    const QString name = QDir::toNativeSeparators(pfad);
    QFile datei(pfad);
    if (!datei.exists()) {
        fehler = FehltText(name);
        return false;
    }
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler = LesefehlerText(name, datei.errorString());
        return false;
    }
    QJsonParseError parser{};
    const QJsonDocument doc = QJsonDocument::fromJson(datei.readAll(), &parser);
    if (parser.error != QJsonParseError::NoError) {
        fehler = QStringLiteral("Ungültiges JSON in \"%1\" bei Zeichen %2: %3.")
                     .arg(name)
                     .arg(parser.offset)
                     .arg(ParserFehlerText(parser.error));
        return false;
    }
    if (!doc.isObject()) {
        fehler = QStringLiteral("Ungültiges JSON in \"%1\": erwartet wird ein JSON-Objekt.").arg(name);
        return false;
    }
    json = doc.object();
    return true;
}

} // namespace

int BefehlBuild(const QStringList& argumente) {
    const QString jsonPfad = argumente.at(0);
    const QString ziel = argumente.at(1);
    QJsonObject json;
    QString fehler;
    Dokument dok;
    if (!JsonLaden(jsonPfad, json, fehler) ||
        !DokumentAusJson(json, QFileInfo(jsonPfad).absolutePath(), dok, fehler)) {
        FehlerAusgeben(fehler);
        return ExitFehler;
    }
    TvlSchreiber schreiber;
    if (!schreiber.schreiben(ziel, dok)) {
        FehlerAusgeben(SchreibfehlerText(QDir::toNativeSeparators(ziel), schreiber.errorString()));
        return ExitFehler;
    }
    return ExitErfolg;
}
