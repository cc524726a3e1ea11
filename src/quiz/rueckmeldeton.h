#pragma once
// The feedback sound of an answer: looked up in the sound folder, played through the port.
#include <QString>

class Meldungen;
class Ton;

// Plays `name` (its extension becomes ".wav") synchronously. A bare name is looked up in
// `soundordner`; a missing file shows "Sounddatei "…" nicht gefunden." and returns false.
// With the sound option off any playing sound stops and nothing else happens.
bool RueckmeldetonSpielen(const QString& name, bool tonAn, const QString& soundordner, Ton& ton,
                          Meldungen& meldungen);
