#include "pdf_seite.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray Ausgabe(const QString& programm, const QStringList& argumente, bool& ok) {
    QProcess p;
    p.start(programm, argumente);
    ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

QRect DunklerBereich(const QImage& bild) {
    QRect bereich;
    for (int y = 0; y < bild.height(); ++y) {
        const uchar* zeile = bild.constScanLine(y);
        for (int x = 0; x < bild.width(); ++x)
            if (zeile[x] < 128) bereich |= QRect(x, y, 1, 1);
    }
    return bereich;
}

} // namespace

PdfSeite PdfLesen(const QString& pdf, int dpi) {
    PdfSeite seite;
    bool ok = false;
    const QString info = QString::fromUtf8(Ausgabe(QStringLiteral("pdfinfo"), {pdf}, ok));
    const QRegularExpressionMatch groesse =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    if (!ok || !groesse.hasMatch()) {
        seite.fehler = QStringLiteral("pdfinfo: ") + info;
        return seite;
    }
    seite.punkte = {groesse.captured(1).toDouble(), groesse.captured(2).toDouble()};
    QTemporaryDir tmp;
    const QString basis = tmp.filePath(QStringLiteral("seite"));
    Ausgabe(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
             QStringLiteral("1"), pdf, basis},
            ok);
    seite.bild = QImage(basis + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
    if (!ok || seite.bild.isNull()) {
        seite.fehler = QStringLiteral("pdftoppm lieferte kein Bild");
        return seite;
    }
    seite.proCm = dpi / 2.54;
    seite.dunkel = DunklerBereich(seite.bild);
    seite.gelesen = true;
    return seite;
}
