#pragma once
// Accessibility of what this program paints itself. Hover panels are push buttons named
// by their caption; a widget that paints several things a learner must perceive (the
// positions of a map, a question) offers them as children of its accessible interface.
// Nothing here runs while no screen reader listens: the children are made when one asks.
#include <QAccessible>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

struct ZugangsEintrag {
    QString name;
    QRect rechteck; // widget pixels
    QAccessible::Role rolle = QAccessible::StaticText;
    bool drueckbar = false; // offers the press action
};

// A painting widget with accessible children; the entries are read when asked for.
class ZugangsQuelle {
public:
    virtual ~ZugangsQuelle() = default;
    virtual std::vector<ZugangsEintrag> ZugangsEintraege() const = 0;
    virtual void ZugangsDruecken(int /*index*/) {}
};

// True while a screen reader listens; only then is anything announced.
bool ZugangAktiv();
// Announces as if a screen reader listened, where the platform has none (offscreen tests).
void ZugangErzwingen(bool an);
// Installs the interfaces of these widgets once; before the first window shows.
void ZugangEinrichten();
// What `quelle` (a widget that is a ZugangsQuelle) shows has changed: children whose name
// changed are announced, and a changed number of children lets the reader read them anew.
void ZugangErneuern(QWidget* quelle);
// Says `text` at once on the element that has the keyboard focus (or `ersatz` when none
// has): it becomes that element's accessible description.
void Ansagen(const QString& text, QWidget* ersatz = nullptr);
// Says `text` on `ziel`, which is about to take the focus.
void AnsagenAuf(QWidget* ziel, const QString& text);
// What was said last.
QString LetzteAnsage();
// The accessible name a hover panel caption gives: one line, the tool tip for a bare symbol.
QString PanelName(const QString& caption, const QString& tipp);
