#pragma once
// Number formats, fixed texts and the line formats of the quiz protocol.
#include <QString>
#include <array>
#include <cstdint>

// "66.7 %": one decimal, a point, a blank and the percent sign.
QString ProzentText(double anteil);
// "03:05", "125:07": minutes and seconds, each at least two digits.
QString UhrText(int64_t sekunden);
// "3 Min. 0 Sek.", "45 Sek.", "1 Std. 0 Min. 0 Sek."
QString DauerText(int64_t sekunden);

// Lower bounds of the grades 1..6 (index 1..6); index 0 is the top of the rating scale.
inline constexpr std::array<double, 7> Notengrenzen{1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
// The first grade whose lower bound L reaches: a boundary belongs to the better grade.
int32_t NoteFuer(double gesamtleistung);
QString NotenWort(int32_t note);

// The instruction beside the answer column.
QString Anweisungstext(int32_t dokTyp, int32_t abfrageModus);

// A caption in a pair of double quotes, normalised.
QString Zitat(const QString& beschriftung);

// Presentation lines of the single-query modes.
QString EinzeltextZeile(int32_t dokTyp, const QString& text);
QString EinzelpositionZeile(int32_t dokTyp, const QString& position);
// Judgement lines of the detailed course; `text` is the dragged caption, `position` the target's.
QString UrteilZeile(int32_t dokTyp, int32_t abfrageModus, bool richtig, const QString& text,
                    const QString& position);

// Option value texts of the summary; an index outside the list gives an empty text.
QString AbfragemodusText(int32_t wert);
QString ZuordnungRichtigText(int32_t wert);
QString ZuordnungFalschText(int32_t wert);
QString ZuordnungstexteText(int32_t wert);
QString ZuordnungszieleText(int32_t wert);
QString FragenAbfragemodusText(int32_t wert);
QString FragenReihenfolgeText(int32_t wert);

inline const QString ZeitlimitErreichtText =
    QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
inline const QString KeinQuizText =
    QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.");
inline const QString QuizAbbrechenFrage =
    QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?");
