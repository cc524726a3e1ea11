#pragma once
// The names rich text goes to the clipboard under: the RTF MIME type and the Windows
// clipboard format name, so that word processors on either system paste it formatted.

inline constexpr const char* RtfMimeTyp = "text/rtf";
inline constexpr const char* RtfWindowsMimeTyp = "application/x-qt-windows-mime;value=\"Rich Text Format\"";
