#pragma once
// A small Rich Text Format writer for the documents the program builds itself: paragraphs
// with left tab stops, runs of text with font face, size, bold and italic, black text.
// Characters that Windows-1252 holds are written as \'xx, all others as \uN? so that any
// RTF reader shows them correctly.
#include <QByteArray>
#include <QtGlobal>

class QTextDocument;

QByteArray RtfAusDokument(const QTextDocument& dokument);

// Resolution the text layout measures tab positions in when no paint device is set; a
// position in points becomes points * dpi / 72 layout units, and back for RTF.
qreal LayoutDpi();
