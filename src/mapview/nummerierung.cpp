#include "mapview/nummerierung.h"

#include <QCollator>

bool IstAbdeckbar(const Dokument& dok, int index) {
    if (index < 0 || index >= static_cast<int>(dok.Objekte.size())) return false;
    const int32_t typ = dok.Objekte[index].OB_Typ;
    if (dok.Header.HD_DokTyp == Einzelfragen) return typ == ObArt::Antwort;
    return typ == ObArt::Beschriftung || typ == ObArt::Luecke;
}

void AuswahlSortieren(FragenfolgeTyp& folge, const std::function<bool(int32_t, int32_t)>& kleiner) {
    const size_t n = folge.size();
    for (size_t i = 0; i < n; ++i) {
        size_t kleinster = i;
        for (size_t j = i + 1; j < n; ++j)
            if (kleiner(folge[j].ZielObjekt, folge[kleinster].ZielObjekt)) kleinster = j;
        std::swap(folge[i], folge[kleinster]);
    }
}

FragenfolgeTyp NummerierungSetzen(Dokument& dok) {
    FragenfolgeTyp folge;
    for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i)
        if (IstAbdeckbar(dok, i)) folge.push_back({-1, i});

    const auto& objekte = dok.Objekte;
    if (dok.Header.HD_GeordnetArt != 0) {
        QCollator sortierung;
        sortierung.setCaseSensitivity(Qt::CaseInsensitive);
        AuswahlSortieren(folge, [&](int32_t a, int32_t b) {
            // Folding the case first keeps "Donau" and "donau" equal under every collation backend.
            return sortierung.compare(objekte[a].OB_Cap.toCaseFolded(), objekte[b].OB_Cap.toCaseFolded()) < 0;
        });
    } else {
        AuswahlSortieren(folge, [&](int32_t a, int32_t b) {
            if (objekte[a].OB_Ky != objekte[b].OB_Ky) return objekte[a].OB_Ky < objekte[b].OB_Ky;
            return objekte[a].OB_Kx < objekte[b].OB_Kx;
        });
    }
    for (size_t p = 0; p < folge.size(); ++p) {
        ObjDataTyp& o = dok.Objekte[folge[p].ZielObjekt];
        o.Nummer = o.OB_Typ == ObArt::Antwort ? 0 : static_cast<int32_t>(p + 1);
    }
    return folge;
}

QString NummerText(int32_t nummer, int32_t numArt) {
    if (nummer <= 0) return QStringLiteral("?");
    if (numArt == 1) {
        const int32_t rest = (nummer - 1) % 26;
        const int32_t striche = (nummer - 1) / 26;
        return QString(QChar(u'A' + rest)) + QString(striche, QLatin1Char('\''));
    }
    return QString::number(nummer);
}

QString NummerText(const Dokument& dok, int index) {
    if (index < 0 || index >= static_cast<int>(dok.Objekte.size())) return QStringLiteral("?");
    return NummerText(dok.Objekte[index].Nummer, dok.Header.HD_NumArt);
}
