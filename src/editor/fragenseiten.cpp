#include "editor/fragenseiten.h"

#include <algorithm>

namespace {

ObjDataTyp Seitenobjekt(double x, double y, const QString& text, int typ, int frage) {
    ObjDataTyp o;
    o.OB_Sx = x;
    o.OB_Sy = y;
    o.OB_Kx = x;
    o.OB_Ky = y;
    o.OB_Cap = text;
    o.OB_KAusr = 1;
    o.OB_Ebene = 1;
    o.OB_Typ = typ;
    o.OB_FrageNummer = frage;
    return o;
}

bool GehoertZuFragenseiten(const ObjDataTyp& o) {
    return o.OB_Typ >= ObArt::Antwort && o.OB_Typ <= ObArt::AntwortTitel;
}

// A question line may not hold the separator or a line end: it would split differently.
QString Zeilenteil(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("//"), QStringLiteral("/"));
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return t.trimmed();
}

} // namespace

std::vector<EinzelFrage> FragenAusDokument(const HeaderDataTyp& kopf) {
    std::vector<EinzelFrage> fragen;
    for (const FrageTextZeile& z : FragenAusFragentext(kopf.HD_fragentext))
        fragen.push_back({z.Frage, z.Antwort});
    return fragen;
}

void FragenSetzen(HeaderDataTyp& kopf, std::vector<ObjDataTyp>& objekte,
                  const std::vector<EinzelFrage>& fragen) {
    objekte.erase(std::remove_if(objekte.begin(), objekte.end(), GehoertZuFragenseiten), objekte.end());
    QStringList zeilen;
    int nummer = 0;
    for (const EinzelFrage& f : fragen) {
        const QString frage = Zeilenteil(f.Frage);
        const QString antwort = Zeilenteil(f.Antwort);
        if (frage.isEmpty() && antwort.isEmpty()) continue;
        ++nummer;
        zeilen.append(frage + QStringLiteral(" // ") + antwort);
        ObjDataTyp titel = Seitenobjekt(0.035, 0.3, frage, ObArt::Frage, nummer);
        titel.OB_Fsize = 1;
        objekte.push_back(titel);
        objekte.push_back(Seitenobjekt(0.035, 0.47, QStringLiteral("Antwort:"), ObArt::AntwortTitel, nummer));
        objekte.push_back(Seitenobjekt(0.1, 0.58, antwort, ObArt::Antwort, nummer));
    }
    struct Knopf {
        int typ;
        const char16_t* text;
        double x;
    };
    static constexpr Knopf Knoepfe[] = {{ObArt::KnopfVorige, u"<", 0.42},
                                        {ObArt::KnopfNaechste, u">", 0.54},
                                        {ObArt::KnopfErste, u"|<", 0.36},
                                        {ObArt::KnopfLetzte, u">|", 0.60},
                                        {ObArt::KnopfZufall, u"?", 0.48}};
    for (const Knopf& k : Knoepfe)
        objekte.push_back(Seitenobjekt(k.x, 0.9, QString::fromUtf16(k.text), k.typ, -1));
    kopf.HD_fragentext = zeilen.join(QStringLiteral("\r\n"));
    kopf.HD_AnzFrageNummern = nummer;
}
