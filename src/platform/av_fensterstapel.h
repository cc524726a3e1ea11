#pragma once
// Keeping windows above the window they were opened from. A window that stays on top
// of the others (the result window of a quiz) covers every window that is not its own:
// what it opens must be its child and stay on top as well, or it opens underneath.
#include <QPointer>
#include <QWidget>

// Gives `fenster` the stay-on-top flag when the window of its parent has it.
void WieElternObenHalten(QWidget* fenster);

// While it lives, `fenster` (a window made once for the whole run) is a child window
// of `oben` and stays on top when `oben` does; afterwards it returns to its old parent
// and flags.
class UeberFenster final {
public:
    UeberFenster(QWidget* fenster, QWidget* oben);
    ~UeberFenster();
    UeberFenster(const UeberFenster&) = delete;
    UeberFenster& operator=(const UeberFenster&) = delete;

private:
    QPointer<QWidget> m_fenster;
    QPointer<QWidget> m_altesEltern;
    Qt::WindowFlags m_alteFlags;
    bool m_umgehaengt = false;
};
