#include "quiz/uebdaten.h"

#include <algorithm>

namespace {

int32_t Feldwert(const QString& text) {
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    if (!ok || wert < 0) return 0;
    return std::min(wert, 99);
}

} // namespace

int32_t ZeitlimitSekunden(const QString& minuten, const QString& sekunden) {
    return Feldwert(minuten) * 60 + Feldwert(sekunden);
}

void OptionenKopieren(const ProgrammEinstellungenTyp& w, int32_t dokTyp, UebDataTyp& d) {
    d.RiFaRueckmeldung = RueckmeldungArt::Standard;
    const OptionsFenster fenster = OptionsFensterFuer(dokTyp);
    if (fenster == OptionsFenster::Keins) return;
    const UebOptionenTyp& o = fenster == OptionsFenster::UebOpt ? w.UebOpt : w.UebOptFragen;
    // The single-questions window has neither a query mode nor a correct-answer behaviour.
    const bool fragen = fenster == OptionsFenster::UebOptFragen;
    d.ZuordnungRichtig = fragen ? ZuordnungRichtigArt::Einblenden : o.ZuordnungRichtig;
    d.ZuordnungFalsch = o.ZuordnungFalsch;
    d.Zuordnungstexte = o.Zuordnungstexte;
    d.Zuordnungsziele = o.Zuordnungsziele;
    d.AbfrageModus = fragen ? AbfrageModusArt::Frei : o.AbfrageModus;
    d.Zeitlimit = o.Zeitlimit;
    d.ZeitlimitSek = ZeitlimitSekunden(o.ZLimitMin, o.ZLimitSek);
}

UebungsWerte OptionsWerte(const ProgrammEinstellungenTyp& werte, int32_t dokTyp) {
    UebDataTyp d;
    OptionenKopieren(werte, dokTyp, d);
    return UebungsWerteAus(d);
}

UebungsWerte UebungsWerteAus(const UebDataTyp& d) {
    return {d.RiFaRueckmeldung, d.ZuordnungRichtig, d.ZuordnungFalsch, d.Zuordnungstexte,
            d.Zuordnungsziele,  d.AbfrageModus,     d.Zeitlimit,       d.ZeitlimitSek};
}

void WerteKopieren(const UebungsWerte& w, UebDataTyp& d) {
    d.RiFaRueckmeldung = w.RiFaRueckmeldung;
    d.ZuordnungRichtig = w.ZuordnungRichtig;
    d.ZuordnungFalsch = w.ZuordnungFalsch;
    d.Zuordnungstexte = w.Zuordnungstexte;
    d.Zuordnungsziele = w.Zuordnungsziele;
    d.AbfrageModus = w.AbfrageModus;
    d.Zeitlimit = w.Zeitlimit;
    d.ZeitlimitSek = w.ZeitlimitSek;
}

OptionsFenster OptionsFensterFuer(int32_t dokTyp) {
    if (dokTyp == Bildbeschriftung || dokTyp == Lueckentext) return OptionsFenster::UebOpt;
    if (dokTyp == Einzelfragen) return OptionsFenster::UebOptFragen;
    return OptionsFenster::Keins;
}

void ZeitfeldGeaendert(UebOptionenTyp& optionen) {
    optionen.Zeitlimit = ZeitlimitArt::An;
}

void ZeitfeldGeaendert(ProgrammEinstellungenTyp& werte, OptionsFenster fenster) {
    if (fenster == OptionsFenster::UebOpt) ZeitfeldGeaendert(werte.UebOpt);
    if (fenster == OptionsFenster::UebOptFragen) ZeitfeldGeaendert(werte.UebOptFragen);
}

UebOptAnsicht UebOptAnsichtFuer(int hoehe) {
    UebOptAnsicht a;
    a.hoehe = hoehe;
    a.erweitert = hoehe == UebOptHoeheErweitert;
    a.knopfText = a.erweitert ? QStringLiteral("Reduziert...") : QStringLiteral("Erweitert...");
    return a;
}

UebOptAnsicht UebOptUmschalten(int hoehe) {
    return UebOptAnsichtFuer(hoehe == UebOptHoeheErweitert ? UebOptHoeheReduziert : UebOptHoeheErweitert);
}
