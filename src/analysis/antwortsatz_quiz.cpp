#include "analysis/antwortsatz_quiz.h"

#include "quiz/quizlauf.h"

#include <QFileInfo>

KqaLauf KqaLaufAus(const QuizLauf& lauf, const QString& hash) {
    KqaLauf k;
    k.titel = lauf.Titel;
    k.datei = QFileInfo(lauf.Dokumentpfad).fileName();
    k.hash = hash;
    // The best list's rule: a blank name is nobody in particular.
    k.teilnehmer = lauf.Teilnehmer.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : lauf.Teilnehmer;
    k.rechner = lauf.Rechnername;
    k.start = lauf.Start;
    k.dauerMs = std::max<int64_t>(0, lauf.DauerMs);
    k.leistung = std::clamp(lauf.Gesamtleistung, 0.0, 1.0);
    k.note = lauf.Note > 0 ? QString::number(lauf.Note) : QString();
    k.ganz = lauf.Komplett;
    k.antworten.reserve(lauf.Antworten.size());
    for (const AntwortEintrag& a : lauf.Antworten)
        if (a.ZielObjekt >= 0) // an answer that reached no target says nothing about a position
            k.antworten.push_back({a.ZielObjekt, a.ZielNummer, a.Text, a.Richtig, std::max(1, a.Versuch),
                                   std::max<int64_t>(0, a.Ms)});
    return k;
}
