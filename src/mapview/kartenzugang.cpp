#include "mapview/kartenzugang.h"

#include "data/av_data.h"
#include "mapview/karte.h"
#include "mapview/markup.h"
#include "mapview/nummerierung.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool HatBox(const ObjDataTyp& o) {
    return o.Box[0] != -1;
}

QRect BoxRechteck(const Karte& karte, const ObjDataTyp& o) {
    const QPoint lo = karte.AnteilZuPunkt(QPointF(o.Box[0], o.Box[1]));
    const QPoint ru = karte.AnteilZuPunkt(QPointF(o.Box[2], o.Box[3]));
    return QRect(lo, ru - QPoint(1, 1)).normalized();
}

bool IstPosition(const ObjDataTyp& o) {
    return (o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::Luecke) && o.Nummer >= 0 && HatBox(o);
}

// Info texts and addresses may run over several marked-up lines; the first one names them.
QString ErsteZeile(const QString& text) {
    static const QRegularExpression zeilen(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression auszeichnung(QStringLiteral("<[^<>]*>"));
    for (const QString& zeile : text.split(zeilen, Qt::SkipEmptyParts)) {
        const QString klar = TextNormalisieren(QString(zeile).remove(auszeichnung));
        if (!klar.isEmpty()) return klar;
    }
    return {};
}

QString LernName(const ObjDataTyp& o) {
    switch (o.OB_Typ) {
    case ObArt::Infopunkt:
        return QStringLiteral("Info: ") + ErsteZeile(o.OB_Cap);
    case ObArt::Link:
        return QStringLiteral("Link: ") + ErsteZeile(o.OB_Cap);
    default:
        return QStringLiteral("Dokument: ") + ErsteZeile(o.OB_Cap);
    }
}

} // namespace

QString PositionsName(const Dokument& dok, int objekt) {
    if (objekt < 0 || objekt >= static_cast<int>(dok.Objekte.size())) return {};
    const ObjDataTyp& o = dok.Objekte[static_cast<size_t>(objekt)];
    const QString position = QStringLiteral("Position ") + NummerText(dok, objekt);
    switch (o.Zustand) {
    case ObZustand::Offen:
    case ObZustand::Verdeckt:
        return position + QStringLiteral(", offen");
    case ObZustand::Kreuz:
    case ObZustand::Geschlossen:
        return position + QStringLiteral(": falsch");
    default:
        return position + QStringLiteral(": ") + TextNormalisieren(o.OB_Cap) + QStringLiteral(", richtig");
    }
}

std::vector<KartenEintrag> QuizPositionen(const Dokument& dok, const Karte& karte) {
    std::vector<int> objekte;
    for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i)
        if (IstPosition(dok.Objekte[static_cast<size_t>(i)])) objekte.push_back(i);
    std::stable_sort(objekte.begin(), objekte.end(), [&dok](int a, int b) {
        return dok.Objekte[static_cast<size_t>(a)].Nummer < dok.Objekte[static_cast<size_t>(b)].Nummer;
    });
    std::vector<KartenEintrag> liste;
    liste.reserve(objekte.size());
    for (int i : objekte)
        liste.push_back({i, PositionsName(dok, i), BoxRechteck(karte, dok.Objekte[static_cast<size_t>(i)])});
    return liste;
}

std::vector<KartenEintrag> LernObjekte(const Dokument& dok, const Karte& karte) {
    std::vector<KartenEintrag> liste;
    for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i) {
        const ObjDataTyp& o = dok.Objekte[static_cast<size_t>(i)];
        const bool klickbar =
            o.OB_Typ == ObArt::Infopunkt || o.OB_Typ == ObArt::Link || o.OB_Typ == ObArt::DokVerweis;
        if (klickbar && HatBox(o) && karte.EbeneSichtbar(o.OB_Ebene))
            liste.push_back({i, LernName(o), BoxRechteck(karte, o)});
    }
    return liste;
}

QString LueckentextKlar(const Dokument& dok) {
    // Gaps take the cloze-gap objects in document order, as the map lays them out.
    std::vector<int> luecken;
    for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i)
        if (dok.Objekte[static_cast<size_t>(i)].OB_Typ == ObArt::Luecke) luecken.push_back(i);
    static const QRegularExpression lueckeMuster(QStringLiteral("<<([^<>]*)>>"));
    static const QRegularExpression auszeichnung(QStringLiteral("<[^<>]*>"));
    QStringList absaetze;
    size_t n = 0;
    for (const QString& absatz : MarkupAbsaetze(dok.Header.HD_lueckentext)) {
        QString klar;
        qsizetype von = 0;
        for (const QRegularExpressionMatch& m : lueckeMuster.globalMatch(absatz)) {
            klar += absatz.mid(von, m.capturedStart() - von);
            const int objekt = n < luecken.size() ? luecken[n] : -1;
            ++n;
            const bool offen = objekt < 0 ||
                               dok.Objekte[static_cast<size_t>(objekt)].Zustand == ObZustand::Offen ||
                               dok.Objekte[static_cast<size_t>(objekt)].Zustand == ObZustand::Kreuz;
            klar += offen && objekt >= 0 ? QStringLiteral("(Lücke ") + NummerText(dok, objekt) + u')'
                                         : m.captured(1);
            von = m.capturedEnd();
        }
        klar += absatz.mid(von);
        absaetze << klar.remove(auszeichnung).trimmed();
    }
    return absaetze.join(u'\n');
}

QString AktuelleFrageText(const Dokument& dok) {
    QStringList teile;
    for (const ObjDataTyp& o : dok.Objekte)
        if (o.OB_Typ == ObArt::Frage && o.OB_FrageNummer == dok.AktuelleFrage)
            teile << TextNormalisieren(o.OB_Cap);
    return teile.join(u' ');
}
