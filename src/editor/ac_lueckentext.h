#pragma once
// The cloze text panel: the text with its markup, and a button that turns the selected
// word into a gap. Every edit moves the gap objects to where the map view lays them out.
#include "editor/editordokument.h"

#include <QTimer>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TLueckentext final : public QWidget {
    Q_OBJECT
public:
    explicit TLueckentext(EditorDokument& dok, QWidget* eltern = nullptr);

    QPlainTextEdit* textfeld() const { return m_text; }
    // The word at the cursor or the selection becomes a gap.
    void wortZurLuecke();
    // Typing is taken over after a short pause, or at once here.
    void uebernehmen();

private:
    void fuellen();

    EditorDokument& m_dok;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_knopf = nullptr;
    QTimer m_pause;
    bool m_fuellt = false;
};
