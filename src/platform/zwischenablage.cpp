#include "platform/zwischenablage.h"

#include "data/rtf_schreiber.h"

#include <QTextDocument>

ZwischenablageInhalt RichTextInhalt(const QTextDocument& dokument) {
    ZwischenablageInhalt inhalt;
    inhalt.Rtf = RtfAusDokument(dokument);
    inhalt.Html = dokument.toHtml();
    inhalt.Text = dokument.toPlainText();
    return inhalt;
}
