#include "documents/dokument.h"

#include "data/av_data.h"

#include <QRegularExpression>

bool ObjDataTyp::GleicheDateifelder(const ObjDataTyp& o) const {
    return OB_Sx == o.OB_Sx && OB_Sy == o.OB_Sy && OB_Kx == o.OB_Kx && OB_Ky == o.OB_Ky &&
           OB_Cap == o.OB_Cap && OB_KAusr == o.OB_KAusr && OB_TAusr == o.OB_TAusr && OB_Ebene == o.OB_Ebene &&
           OB_Typ == o.OB_Typ && OB_Sline == o.OB_Sline && OB_Fsize == o.OB_Fsize &&
           OB_FrageNummer == o.OB_FrageNummer && OB_KAusrAkt == o.OB_KAusrAkt;
}

void Dokument::Zuruecksetzen() {
    VorherigesDokument = Header.Dateiname;
    Header = HeaderDataTyp{};
    Listenindex = -1;
    AktuelleFrage = 0;
}

std::vector<FrageTextZeile> FragenAusFragentext(const QString& fragentext) {
    std::vector<FrageTextZeile> fragen;
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\r|\n"));
    const QStringList zeilen = fragentext.split(zeilenende);
    for (const QString& roh : zeilen) {
        const QString zeile = TrimmeSteuerzeichen(roh);
        if (zeile.isEmpty()) continue;
        const qsizetype trenner = zeile.indexOf(QStringLiteral("//"));
        if (trenner < 0)
            fragen.push_back({zeile, QStringLiteral("---")});
        else
            fragen.push_back(
                {TrimmeSteuerzeichen(zeile.left(trenner)), TrimmeSteuerzeichen(zeile.mid(trenner + 2))});
    }
    return fragen;
}

QString DokTypName(int32_t typ) {
    switch (typ) {
    case Bildbeschriftung:
        return QStringLiteral("Bildbeschriftung");
    case Lueckentext:
        return QStringLiteral("Lückentext");
    case Einzelfragen:
        return QStringLiteral("Einzelfragen");
    default:
        return {};
    }
}
