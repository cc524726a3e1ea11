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
    d.RiFaRueckmeldung = 0;
    if (dokTyp == Bildbeschriftung || dokTyp == Lueckentext) {
        d.ZuordnungRichtig = w.UebOpt_ZuordnungRichtig;
        d.ZuordnungFalsch = w.UebOpt_ZuordnungFalsch;
        d.Zuordnungstexte = w.UebOpt_Zuordnungstexte;
        d.Zuordnungsziele = w.UebOpt_Zuordnungsziele;
        d.AbfrageModus = w.UebOpt_AbfrageModus;
        d.Zeitlimit = w.UebOpt_Zeitlimit;
        d.ZeitlimitSek = ZeitlimitSekunden(w.UebOpt_ZLimitMin, w.UebOpt_ZLimitSek);
    } else if (dokTyp == Einzelfragen) {
        d.ZuordnungRichtig = 0;
        d.AbfrageModus = 0;
        d.ZuordnungFalsch = w.UebOptFragen_ZuordnungFalsch;
        d.Zuordnungstexte = w.UebOptFragen_Zuordnungstexte;
        d.Zuordnungsziele = w.UebOptFragen_Zuordnungsziele;
        d.Zeitlimit = w.UebOptFragen_Zeitlimit;
        d.ZeitlimitSek = ZeitlimitSekunden(w.UebOptFragen_ZLimitMin, w.UebOptFragen_ZLimitSek);
    }
}

UebungsWerte OptionsWerte(const ProgrammEinstellungenTyp& werte, int32_t dokTyp) {
    UebDataTyp d;
    OptionenKopieren(werte, dokTyp, d);
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

void ZeitfeldGeaendert(ProgrammEinstellungenTyp& werte, OptionsFenster fenster) {
    if (fenster == OptionsFenster::UebOpt) werte.UebOpt_Zeitlimit = 1;
    if (fenster == OptionsFenster::UebOptFragen) werte.UebOptFragen_Zeitlimit = 1;
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
