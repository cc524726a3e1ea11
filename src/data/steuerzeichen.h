#pragma once
// Names typed or pasted by a participant end up in protocol lines, best lists and
// tab-separated exports. A control character there could start a new line, a heading
// or a table row of its own, so such text is cleaned where it enters and where it leaves.
#include <QString>

// `text` without control characters (C0, DEL, C1) and without the Unicode line and
// paragraph separators, which rich text shows as line breaks.
QString OhneSteuerzeichen(const QString& text);

// A cell of a tab-separated export: without control characters, and with a leading
// apostrophe when it begins with "=", "+", "-" or "@", which spreadsheet programs
// would otherwise evaluate as a formula.
QString ExportZelle(const QString& text);
