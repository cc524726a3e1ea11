#pragma once
// A small Rich Text Format writer for the documents the program builds itself: paragraphs
// with left tab stops, runs of text with font face, size, bold and italic, black text.
// Characters that Windows-1252 holds are written as \'xx, all others as \uN? so that any
// RTF reader shows them correctly.
#include <QByteArray>

class QTextDocument;

QByteArray RtfAusDokument(const QTextDocument& dokument);
