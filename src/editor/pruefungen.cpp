#include "editor/pruefungen.h"

namespace {

bool Drinnen(double x, double y) {
    return x >= 0 && x <= 1 && y >= 0 && y <= 1;
}

bool HatBox(const ObjDataTyp& o) {
    return o.Box[0] != -1 && o.Box[2] > o.Box[0] && o.Box[3] > o.Box[1];
}

bool BoxDrinnen(const ObjDataTyp& o) {
    return !HatBox(o) || (o.Box[0] >= 0 && o.Box[1] >= 0 && o.Box[2] <= 1 && o.Box[3] <= 1);
}

bool Ueberlappen(const ObjDataTyp& a, const ObjDataTyp& b) {
    return HatBox(a) && HatBox(b) && a.Box[0] < b.Box[2] && b.Box[0] < a.Box[2] && a.Box[1] < b.Box[3] &&
           b.Box[1] < a.Box[3];
}

bool IstBeschriftungsart(int typ) {
    return typ == ObArt::Beschriftung || typ == ObArt::FesterText || typ == ObArt::Luecke;
}

QString Name(const ObjDataTyp& o, int index) {
    const QString cap = o.OB_Cap.section(u'\r', 0, 0).trimmed();
    return cap.isEmpty() ? QStringLiteral("Objekt %1").arg(index + 1) : QStringLiteral("\"%1\"").arg(cap);
}

void Ortspruefung(const Dokument& dok, int i, std::vector<Befund>& befunde) {
    const ObjDataTyp& o = dok.Objekte[static_cast<size_t>(i)];
    if (o.OB_Typ == ObArt::Luecke) {
        if (!Drinnen(o.OB_Kx, o.OB_Ky) || !BoxDrinnen(o))
            befunde.push_back({i, QStringLiteral("Lücke %1 liegt außerhalb des Bildes.").arg(Name(o, i))});
        return;
    }
    if (!Drinnen(o.OB_Sx, o.OB_Sy))
        befunde.push_back(
            {i, QStringLiteral("Der Ankerpunkt von %1 liegt außerhalb der Karte.").arg(Name(o, i))});
    if (!Drinnen(o.OB_Kx, o.OB_Ky) || !BoxDrinnen(o))
        befunde.push_back(
            {i, QStringLiteral("Der Kasten von %1 liegt außerhalb der Karte.").arg(Name(o, i))});
}

} // namespace

std::vector<Befund> DokumentPruefen(const Dokument& dok) {
    std::vector<Befund> befunde;
    const int n = static_cast<int>(dok.Objekte.size());
    int fragen = 0;
    for (int i = 0; i < n; ++i) {
        const ObjDataTyp& o = dok.Objekte[static_cast<size_t>(i)];
        const bool gefragt = dok.Header.HD_DokTyp == Einzelfragen
                                 ? o.OB_Typ == ObArt::Antwort
                                 : (o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::Luecke);
        if (gefragt) ++fragen;
        if (o.OB_Cap.trimmed().isEmpty() && o.OB_Typ != ObArt::Infopunkt)
            befunde.push_back({i, QStringLiteral("Objekt %1 hat keine Beschriftung.").arg(i + 1)});
        Ortspruefung(dok, i, befunde);
        if (!IstBeschriftungsart(o.OB_Typ)) continue;
        for (int k = i + 1; k < n; ++k) {
            const ObjDataTyp& b = dok.Objekte[static_cast<size_t>(k)];
            if (IstBeschriftungsart(b.OB_Typ) && Ueberlappen(o, b))
                befunde.push_back({i, QStringLiteral("Der Kasten von %1 überdeckt den Kasten von %2.")
                                          .arg(Name(o, i), Name(b, k))});
        }
    }
    if (fragen == 0) befunde.push_back({-1, QStringLiteral("Das Quiz hat keine Fragen.")});
    return befunde;
}
