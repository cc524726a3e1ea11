#include "editor/objekte.h"

ObjDataTyp NeueBeschriftung(QPointF anker) {
    ObjDataTyp o;
    o.OB_Sx = anker.x();
    o.OB_Sy = anker.y();
    o.OB_Kx = anker.x() + 0.04;
    o.OB_Ky = anker.y();
    o.OB_Typ = ObArt::Beschriftung;
    o.OB_Ebene = 1;
    o.OB_Sline = 1;
    o.OB_Fsize = -2; // a little smaller than the player's base size, so that boxes crowd less
    return o;
}

void SeiteNeuBestimmen(ObjDataTyp& o) {
    o.OB_KAusrAkt = 0;
}

void AnkerVerschieben(ObjDataTyp& o, double dx, double dy) {
    o.OB_Sx += dx;
    o.OB_Sy += dy;
    SeiteNeuBestimmen(o);
}

void KastenVerschieben(ObjDataTyp& o, double dx, double dy) {
    o.OB_Kx += dx;
    o.OB_Ky += dy;
    SeiteNeuBestimmen(o);
}

void ObjektVerschieben(ObjDataTyp& o, double dx, double dy) {
    o.OB_Sx += dx;
    o.OB_Sy += dy;
    o.OB_Kx += dx;
    o.OB_Ky += dy;
}

void RandAendern(HeaderDataTyp& kopf, std::vector<ObjDataTyp>& objekte, const std::array<double, 4>& neu) {
    const auto& alt = kopf.HD_RandErw;
    const double altB = alt[0] + 1 + alt[2];
    const double altH = alt[1] + 1 + alt[3];
    const double neuB = neu[0] + 1 + neu[2];
    const double neuH = neu[1] + 1 + neu[3];
    auto x = [&](double f) { return (f * altB - alt[0] + neu[0]) / neuB; };
    auto y = [&](double f) { return (f * altH - alt[1] + neu[1]) / neuH; };
    for (ObjDataTyp& o : objekte) {
        o.OB_Sx = x(o.OB_Sx);
        o.OB_Sy = y(o.OB_Sy);
        o.OB_Kx = x(o.OB_Kx);
        o.OB_Ky = y(o.OB_Ky);
    }
    kopf.HD_RandErw = neu;
}
