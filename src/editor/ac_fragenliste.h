#pragma once
// The questions of a single-questions document: a table of question and right answer in
// the order the learner meets them. The wrong answers a quiz offers are the answers of the
// other questions, so the table asks for the right one only.
#include "editor/editordokument.h"
#include "editor/fragenseiten.h"

#include <QWidget>

class QTableWidget;

class TFragenliste final : public QWidget {
    Q_OBJECT
public:
    explicit TFragenliste(EditorDokument& dok, QWidget* eltern = nullptr);

    QTableWidget* tabelle() const { return m_tabelle; }
    void frageAnhaengen();
    void frageEntfernen();

signals:
    void frageGewaehlt(int nummer); // from 1

private:
    void fuellen();
    std::vector<EinzelFrage> tabellenfragen() const;
    void uebernehmen();

    EditorDokument& m_dok;
    QTableWidget* m_tabelle = nullptr;
    bool m_fuellt = false;
};
