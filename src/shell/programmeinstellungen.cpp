#include "shell/programmeinstellungen.h"

#include "platform/einstellungen.h"

#include <QStringList>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace {

using P = ProgrammEinstellungenTyp;
using O = UebOptionenTyp;
using Ordner = ProgrammOrdnerTyp;

// A field of one of the two options records, reached through the record's member of P.
template <class T> struct OptGlied {
    O P::*satz;
    T O::*feld;
};
using Feld = std::variant<bool P::*, QString Ordner::*, OptGlied<int>, OptGlied<QString>>;

struct Eintrag {
    QString name;     // written under this name
    QString ladename; // looked up under this name (the store ignores case)
    Feld feld;
};

Eintrag E(const char16_t* name, Feld feld) {
    return {QString::fromUtf16(name), QString::fromUtf16(name), feld};
}

// One table per options record: the name each field is stored under and the member it
// stands for. The two windows keep their own names and order in the store.
struct OptEintrag {
    QString name;
    QString ladename;
    std::variant<int O::*, QString O::*> glied;
};

OptEintrag OE(const char16_t* name, std::variant<int O::*, QString O::*> glied) {
    return {QString::fromUtf16(name), QString::fromUtf16(name), glied};
}

const std::vector<OptEintrag>& UebOptTabelle() {
    static const std::vector<OptEintrag> tabelle = {
        OE(u"UebOpt-AbfrageModus", &O::AbfrageModus),
        {QStringLiteral("UebOpt-ZeitLimit"), QStringLiteral("UebOpt-Zeitlimit"), &O::Zeitlimit},
        OE(u"UebOpt-ZLimitMin", &O::ZLimitMin),
        OE(u"UebOpt-ZLimitSek", &O::ZLimitSek),
        OE(u"UebOpt-ZuordnungRichtig", &O::ZuordnungRichtig),
        OE(u"UebOpt-ZuordnungFalsch", &O::ZuordnungFalsch),
        OE(u"UebOpt-Zuordnungstexte", &O::Zuordnungstexte),
        OE(u"UebOpt-Zuordnungsziele", &O::Zuordnungsziele),
    };
    return tabelle;
}

// The single-questions window stores neither AbfrageModus nor ZuordnungRichtig.
const std::vector<OptEintrag>& UebOptFragenTabelle() {
    static const std::vector<OptEintrag> tabelle = {
        OE(u"UebOptFragen-ZuordnungFalsch", &O::ZuordnungFalsch),
        OE(u"UebOptFragen-Zuordnungstexte", &O::Zuordnungstexte),
        OE(u"UebOptFragen-Zeitlimit", &O::Zeitlimit),
        OE(u"UebOptFragen-ZLimitMin", &O::ZLimitMin),
        OE(u"UebOptFragen-ZLimitSek", &O::ZLimitSek),
        OE(u"UebOptFragen-Zuordnungsziele", &O::Zuordnungsziele),
    };
    return tabelle;
}

void OptionenAnhaengen(std::vector<Eintrag>& tabelle, O P::*satz, const std::vector<OptEintrag>& felder) {
    for (const OptEintrag& f : felder) {
        const Feld feld = std::visit(
            [satz](auto glied) -> Feld {
                using T = std::remove_reference_t<decltype(std::declval<O&>().*glied)>;
                return OptGlied<T>{satz, glied};
            },
            f.glied);
        tabelle.push_back({f.name, f.ladename, feld});
    }
}

const std::vector<Eintrag>& Tabelle() {
    static const std::vector<Eintrag> tabelle = [] {
        std::vector<Eintrag> t = {
            E(u"Opt-Sound", &P::Sound),
            E(u"Opt-UebNameEingabe", &P::UebNameEingabe),
            E(u"Opt-AutoProtSpeichern", &P::AutoProtSpeichern),
            E(u"Opt-ErgebBestListEintragen", &P::ErgebBestListEintragen),
            E(u"NetzKomOrdner", &Ordner::Kommunikationsordner),
            E(u"NetzKomKanal", &Ordner::Kanalname),
            E(u"Opt-ProtOrdner", &Ordner::Protokollordner),
            E(u"Opt-BestListOrdner", &Ordner::Bestenlistenordner),
        };
        OptionenAnhaengen(t, &P::UebOpt, UebOptTabelle());
        OptionenAnhaengen(t, &P::UebOptFragen, UebOptFragenTabelle());
        return t;
    }();
    return tabelle;
}

// The value a table entry stands for, in the settings record or the folder record.
template <class W, class R> auto& Ziel(bool P::*f, W& werte, R&) {
    return werte.*f;
}
template <class W, class R> auto& Ziel(QString Ordner::*f, W&, R& ordner) {
    return ordner.*f;
}
template <class T, class W, class R> auto& Ziel(OptGlied<T> f, W& werte, R&) {
    return (werte.*f.satz).*f.feld;
}
template <class F>
using WertVon = std::decay_t<decltype(Ziel(std::declval<F>(), std::declval<P&>(), std::declval<Ordner&>()))>;

template <class T> bool LeerHeisstVorgabe(const QString& name, const T& wert) {
    if constexpr (std::is_same_v<T, QString>)
        return wert.isEmpty() && name == QLatin1String("NetzKomOrdner");
    else
        return false;
}

template <class T> std::optional<T> Lesen(const Einstellungen& speicher, const QString& name) {
    if constexpr (std::is_same_v<T, bool>)
        return speicher.leseBool(name);
    else if constexpr (std::is_same_v<T, int>)
        return speicher.leseInt(name);
    else
        return speicher.leseText(name);
}

void Schreiben(Einstellungen& speicher, const QString& name, bool wert) {
    speicher.schreibeBool(name, wert);
}
void Schreiben(Einstellungen& speicher, const QString& name, int wert) {
    speicher.schreibeInt(name, wert);
}
void Schreiben(Einstellungen& speicher, const QString& name, const QString& wert) {
    speicher.schreibeText(name, wert);
}

} // namespace

void EinstellungenLaden(const Einstellungen& speicher, ProgrammEinstellungenTyp& werte,
                        ProgrammOrdnerTyp& ordner) {
    for (const Eintrag& e : Tabelle()) {
        std::visit(
            [&](auto f) {
                const auto w = Lesen<WertVon<decltype(f)>>(speicher, e.ladename);
                // An empty communication folder means the default one, never the working directory.
                if (w && !LeerHeisstVorgabe(e.name, *w)) Ziel(f, werte, ordner) = *w;
            },
            e.feld);
    }
}

bool EinstellungenSpeichern(Einstellungen& speicher, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner) {
    for (const Eintrag& e : Tabelle())
        std::visit([&](auto f) { Schreiben(speicher, e.name, Ziel(f, werte, ordner)); }, e.feld);
    return speicher.speichern();
}

bool AenderungenSpeichern(Einstellungen& speicher, const EinstellungsStand& geladen,
                          const ProgrammEinstellungenTyp& werte, const ProgrammOrdnerTyp& ordner,
                          QStringList* geschrieben) {
    int anzahl = 0;
    for (const Eintrag& e : Tabelle()) {
        std::visit(
            [&](auto f) {
                const auto& jetzt = Ziel(f, werte, ordner);
                if (jetzt == Ziel(f, geladen.werte, geladen.ordner)) return;
                Schreiben(speicher, e.name, jetzt);
                ++anzahl;
                if (geschrieben != nullptr) geschrieben->append(e.name);
            },
            e.feld);
    }
    return anzahl == 0 || speicher.speichern();
}

QStringList EinstellungsNamen() {
    QStringList namen;
    for (const Eintrag& e : Tabelle())
        namen.append(e.name);
    return namen;
}

namespace {

EinstellungsArt ArtVon(const Feld& feld) {
    return std::visit(
        [](auto f) {
            using T = WertVon<decltype(f)>;
            if constexpr (std::is_same_v<T, bool>)
                return EinstellungsArt::Wahrheitswert;
            else if constexpr (std::is_same_v<T, int>)
                return EinstellungsArt::Zahl;
            else
                return EinstellungsArt::Text;
        },
        feld);
}

QString AlsText(bool wert) {
    return wert ? QStringLiteral("true") : QStringLiteral("false");
}
QString AlsText(int wert) {
    return QString::number(wert);
}
QString AlsText(const QString& wert) {
    return wert;
}

QString WertAlsText(const Feld& feld, const P& werte, const ProgrammOrdnerTyp& ordner) {
    return std::visit([&](auto f) { return AlsText(Ziel(f, werte, ordner)); }, feld);
}

std::optional<bool> WahrheitswertAus(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return std::nullopt;
}

const Eintrag* EintragSuchen(const QString& name) {
    for (const Eintrag& e : Tabelle())
        if (e.name.compare(name, Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}

} // namespace

std::vector<EinstellungsWert> EinstellungenAlsText(const ProgrammEinstellungenTyp& werte,
                                                   const ProgrammOrdnerTyp& ordner) {
    std::vector<EinstellungsWert> liste;
    for (const Eintrag& e : Tabelle())
        liste.push_back({e.name, e.ladename, ArtVon(e.feld), WertAlsText(e.feld, werte, ordner)});
    return liste;
}

bool EinstellungVorhanden(const Einstellungen& speicher, const EinstellungsWert& eintrag) {
    switch (eintrag.art) {
    case EinstellungsArt::Wahrheitswert:
        return speicher.leseBool(eintrag.ladename).has_value();
    case EinstellungsArt::Zahl:
        return speicher.leseInt(eintrag.ladename).has_value();
    case EinstellungsArt::Text:
        break;
    }
    return speicher.leseText(eintrag.ladename).has_value();
}

SetzErgebnis EinstellungSetzen(Einstellungen& speicher, const QString& name, const QString& wert) {
    const Eintrag* e = EintragSuchen(name);
    if (e == nullptr) return SetzErgebnis::UnbekannterName;
    switch (ArtVon(e->feld)) {
    case EinstellungsArt::Wahrheitswert: {
        const auto b = WahrheitswertAus(wert);
        if (!b) return SetzErgebnis::UngueltigerWert;
        speicher.schreibeBool(e->name, *b);
        break;
    }
    case EinstellungsArt::Zahl: {
        bool ok = false;
        const int zahl = wert.trimmed().toInt(&ok, 10);
        if (!ok) return SetzErgebnis::UngueltigerWert;
        speicher.schreibeInt(e->name, zahl);
        break;
    }
    case EinstellungsArt::Text:
        speicher.schreibeText(e->name, wert);
        break;
    }
    speicher.speichern();
    return SetzErgebnis::Gesetzt;
}
