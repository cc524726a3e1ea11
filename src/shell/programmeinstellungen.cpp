#include "shell/programmeinstellungen.h"

#include "platform/einstellungen.h"

#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

namespace {

using P = ProgrammEinstellungenTyp;
using Feld = std::variant<bool P::*, int P::*, QString P::*, QString ProgrammOrdnerTyp::*>;

struct Eintrag {
    QString name;     // written under this name
    QString ladename; // looked up under this name (the store ignores case)
    Feld feld;
};

Eintrag E(const char16_t* name, Feld feld) {
    return {QString::fromUtf16(name), QString::fromUtf16(name), feld};
}

const std::vector<Eintrag>& Tabelle() {
    static const std::vector<Eintrag> tabelle = {
        E(u"Opt-Sound", &P::Sound),
        E(u"Opt-UebNameEingabe", &P::UebNameEingabe),
        E(u"Opt-AutoProtSpeichern", &P::AutoProtSpeichern),
        E(u"Opt-ErgebBestListEintragen", &P::ErgebBestListEintragen),
        E(u"NetzKomOrdner", &ProgrammOrdnerTyp::Kommunikationsordner),
        E(u"NetzKomKanal", &ProgrammOrdnerTyp::Kanalname),
        E(u"Opt-ProtOrdner", &ProgrammOrdnerTyp::Protokollordner),
        E(u"Opt-BestListOrdner", &ProgrammOrdnerTyp::Bestenlistenordner),
        E(u"UebOpt-AbfrageModus", &P::UebOpt_AbfrageModus),
        {QStringLiteral("UebOpt-ZeitLimit"), QStringLiteral("UebOpt-Zeitlimit"), &P::UebOpt_Zeitlimit},
        E(u"UebOpt-ZLimitMin", &P::UebOpt_ZLimitMin),
        E(u"UebOpt-ZLimitSek", &P::UebOpt_ZLimitSek),
        E(u"UebOpt-ZuordnungRichtig", &P::UebOpt_ZuordnungRichtig),
        E(u"UebOpt-ZuordnungFalsch", &P::UebOpt_ZuordnungFalsch),
        E(u"UebOpt-Zuordnungstexte", &P::UebOpt_Zuordnungstexte),
        E(u"UebOpt-Zuordnungsziele", &P::UebOpt_Zuordnungsziele),
        E(u"UebOptFragen-ZuordnungFalsch", &P::UebOptFragen_ZuordnungFalsch),
        E(u"UebOptFragen-Zuordnungstexte", &P::UebOptFragen_Zuordnungstexte),
        E(u"UebOptFragen-Zeitlimit", &P::UebOptFragen_Zeitlimit),
        E(u"UebOptFragen-ZLimitMin", &P::UebOptFragen_ZLimitMin),
        E(u"UebOptFragen-ZLimitSek", &P::UebOptFragen_ZLimitSek),
        E(u"UebOptFragen-Zuordnungsziele", &P::UebOptFragen_Zuordnungsziele),
    };
    return tabelle;
}

template <class... F> struct Faelle : F... { using F::operator()...; };

} // namespace

void EinstellungenLaden(const Einstellungen& speicher, ProgrammEinstellungenTyp& werte,
                        ProgrammOrdnerTyp& ordner) {
    for (const Eintrag& e : Tabelle()) {
        std::visit(Faelle{
                       [&](bool P::*f) {
                           if (const auto w = speicher.leseBool(e.ladename)) werte.*f = *w;
                       },
                       [&](int P::*f) {
                           if (const auto w = speicher.leseInt(e.ladename)) werte.*f = *w;
                       },
                       [&](QString P::*f) {
                           if (const auto w = speicher.leseText(e.ladename)) werte.*f = *w;
                       },
                       [&](QString ProgrammOrdnerTyp::*f) {
                           if (const auto w = speicher.leseText(e.ladename)) ordner.*f = *w;
                       },
                   },
                   e.feld);
    }
}

void EinstellungenSpeichern(Einstellungen& speicher, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner) {
    for (const Eintrag& e : Tabelle()) {
        std::visit(Faelle{
                       [&](bool P::*f) { speicher.schreibeBool(e.name, werte.*f); },
                       [&](int P::*f) { speicher.schreibeInt(e.name, werte.*f); },
                       [&](QString P::*f) { speicher.schreibeText(e.name, werte.*f); },
                       [&](QString ProgrammOrdnerTyp::*f) { speicher.schreibeText(e.name, ordner.*f); },
                   },
                   e.feld);
    }
    speicher.speichern();
}

QStringList EinstellungsNamen() {
    QStringList namen;
    for (const Eintrag& e : Tabelle())
        namen.append(e.name);
    return namen;
}

namespace {

EinstellungsArt ArtVon(const Feld& feld) {
    return std::visit(Faelle{
                          [](bool P::*) { return EinstellungsArt::Wahrheitswert; },
                          [](int P::*) { return EinstellungsArt::Zahl; },
                          [](auto) { return EinstellungsArt::Text; },
                      },
                      feld);
}

QString WertAlsText(const Feld& feld, const P& werte, const ProgrammOrdnerTyp& ordner) {
    return std::visit(Faelle{
                          [&](bool P::*f) { return werte.*f ? QStringLiteral("true") : QStringLiteral("false"); },
                          [&](int P::*f) { return QString::number(werte.*f); },
                          [&](QString P::*f) { return werte.*f; },
                          [&](QString ProgrammOrdnerTyp::*f) { return ordner.*f; },
                      },
                      feld);
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
