#pragma once
// Window sizes given for the whole window, frame included. Qt sizes a top-level widget
// by its inside; the frame that the window manager adds is known only once the window
// is on screen, so these helpers measure it each time they are called.
#include <QMargins>
#include <QSize>
#include <functional>

class QWidget;

// The frame around a top-level window; empty while the window system has not framed it.
QMargins Fensterrahmen(const QWidget* fenster);
// The inside that gives `aussen` with the frame `rahmen`; never negative.
QSize InnenGroesse(QSize aussen, const QMargins& rahmen);
// Sizes the window so that the window with its frame measures `aussen`.
void AussenGroesseSetzen(QWidget* fenster, QSize aussen);
// Calls `anwenden` with the previous and the new frame whenever the frame of `fenster`
// changes: when it is first shown and when a window manager frames it later, so that
// sizes given with frame can be applied again.
void BeiRahmenAenderung(QWidget* fenster,
                        std::function<void(const QMargins& vorher, const QMargins& jetzt)> anwenden);
