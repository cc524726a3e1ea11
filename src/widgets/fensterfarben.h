#pragma once
// Window painting shared by the program's windows: the button colour on every button,
// the light dialog tone, and the nine-slice background behind a dialog's controls.
#include "data/hintergrund.h"

class QLabel;
class QObject;
class QWidget;

// Gives every child (at any depth) of fenster that inherits knopfklasse the button colour
// as its button and window background and the normal cursor. Works through the widgets'
// "palette" and "cursor" properties, so core code needs no widget headers. Returns the
// number of buttons coloured.
int KnoepfeFaerben(QObject* fenster, const char* knopfklasse = "QAbstractButton");

// The shared dialog colours: window and inner panels take the light dialog tone.
void DialogFarben(QWidget* fenster);

// Scales the dialog background onto the direct child label "MainBackImg" (if there is
// one) over the whole window and puts it behind every other control.
void HintergrundZeichnen(QWidget* fenster);

// A fixed-size dialog's look: the dialog tone and the background label "MainBackImg" over
// the whole window (HintergrundZeichnen fills it once the dialog is shown).
QLabel* DialogHintergrundAnlegen(QWidget* fenster);
