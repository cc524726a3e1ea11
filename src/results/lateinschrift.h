#pragma once
// Names for the Windows-1252 best lists: a name in another script is written in Latin
// letters ("Жанна" becomes "Zhanna") instead of a row of question marks.
#include <QString>

// `text` unchanged when Windows-1252 holds all of it; else transliterated to Latin (ICU:
// Cyrillic by the BGN rules, every other script by Any-Latin), and
// what 1252 still lacks (Turkish "ş", "ğ", "ı", ...) reduced to plain ASCII letters.
QString FuerCp1252Umschreiben(const QString& text);
