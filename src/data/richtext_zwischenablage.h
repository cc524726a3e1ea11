#pragma once
// The protocol as clipboard data: RTF (under the MIME name and the Windows clipboard
// format name), HTML and plain text, so that word processors paste it formatted and
// plain editors get the text with its tabs.
#include <memory>

class QMimeData;
class QTextDocument;

inline constexpr const char* RtfMimeTyp = "text/rtf";
inline constexpr const char* RtfWindowsMimeTyp = "application/x-qt-windows-mime;value=\"Rich Text Format\"";

std::unique_ptr<QMimeData> RichTextMimeDaten(const QTextDocument& dokument);
