#include "analysis/auswertung_text.h"

#include "data/steuerzeichen.h"
#include "quiz/quiztexte.h"

namespace {

QString WerteText(const LaufWerte& w, bool note) {
    if (!w.vorhanden) return {};
    return note ? w.note : ProzentText(w.leistung);
}

QString Bereinigt(QString text) {
    for (QChar& z : text)
        if (z == u'\t' || z == u'\r' || z == u'\n') z = u' ';
    return text;
}

QString CsvFeld(const QString& zelle) {
    const QString z = ExportZelle(zelle);
    if (!z.contains(u';') && !z.contains(u'"')) return z;
    return u'"' + QString(z).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QString VerwechslungenText(const PositionsZeile& p, int hoechstens) {
    QStringList zeilen;
    for (const Verwechslung& v : p.verwechslungen) {
        if (zeilen.size() >= hoechstens) break;
        zeilen.append(QStringLiteral("%1 ← %2 (%3)").arg(Bereinigt(p.antwort), v.text).arg(v.anzahl));
    }
    return zeilen.join(u'\n');
}

std::vector<QStringList> PositionsTabelle(const Auswertung& a, bool mitPfeil) {
    std::vector<QStringList> zeilen{
        {QStringLiteral("Nr"), QStringLiteral("Antwort"), QStringLiteral("Teilnehmer"),
         QStringLiteral("Richtig im ersten Versuch"), QStringLiteral("Fehlversuche"),
         QStringLiteral("Häufigste Verwechslung")}};
    for (const PositionsZeile& p : a.positionen)
        zeilen.push_back({p.nummer, p.antwort, QString::number(p.teilnehmer), ProzentText(p.anteil()),
                          QString::number(p.fehlversuche),
                          mitPfeil ? VerwechslungenText(p, 1) : VerwechslungText(p)});
    return zeilen;
}

std::vector<QStringList> SchuelerTabelle(const Auswertung& a) {
    std::vector<QStringList> zeilen{
        {QStringLiteral("Name"), QStringLiteral("Läufe"), QStringLiteral("Note erster Lauf"),
         QStringLiteral("Leistung erster Lauf"), QStringLiteral("Note bester Lauf"),
         QStringLiteral("Leistung bester Lauf"), QStringLiteral("Im ersten Versuch verfehlt")}};
    for (const SchuelerZeile& s : a.schueler)
        zeilen.push_back({s.name, QString::number(s.laeufe), WerteText(s.ersterGanzer, true),
                          WerteText(s.ersterGanzer, false), WerteText(s.bester, true),
                          WerteText(s.bester, false), s.verfehlt.join(QStringLiteral(", "))});
    return zeilen;
}

QString TabText(const std::vector<QStringList>& zeilen) {
    QString text;
    for (const QStringList& zeile : zeilen) {
        QStringList zellen;
        for (const QString& z : zeile)
            zellen.append(Bereinigt(z));
        text += zellen.join(u'\t') + u'\n';
    }
    return text;
}

QString PositionsTabText(const Auswertung& a) {
    return TabText(PositionsTabelle(a, false));
}

QString TabellenText(const Auswertung& a) {
    return TabText(PositionsTabelle(a, true)) + u'\n' + TabText(SchuelerTabelle(a));
}

QByteArray AuswertungCsv(const Auswertung& a) {
    QString text;
    const auto tabelle = [&text](const std::vector<QStringList>& zeilen) {
        for (const QStringList& zeile : zeilen) {
            QStringList felder;
            for (const QString& z : zeile)
                felder.append(CsvFeld(z));
            text += felder.join(u';') + QStringLiteral("\r\n");
        }
    };
    tabelle(PositionsTabelle(a, true));
    text += QStringLiteral("\r\n");
    tabelle(SchuelerTabelle(a));
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
