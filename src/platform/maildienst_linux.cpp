#include "platform/maildienst_linux.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Exit codes of xdg-utils.
constexpr int XdgSyntax = 1;
constexpr int XdgDateiFehlt = 2;
constexpr int XdgKeinWerkzeug = 3; // no mail program, no method to open a mailto: address
constexpr int XdgFehlgeschlagen = 4;
constexpr int XdgKeinLeserecht = 5;
} // namespace

std::unique_ptr<MailDienst> SystemMailDienst() {
    return std::make_unique<MailDienstXdg>();
}

MailDienstXdg::MailDienstXdg(QString programm, QProcessEnvironment umgebung)
    : m_programm(std::move(programm)), m_umgebung(std::move(umgebung)) {}

QStringList MailDienstXdg::Argumente(const MailAuftrag& auftrag) {
    // xdg-email turns every line feed into CR LF itself; a CR LF handed over would arrive
    // as CR CR LF. Arguments reach it without a shell, so commas, blanks and quotes in a
    // path stay as they are; --utf8 keeps the umlauts whatever the locale is.
    QString text = auftrag.Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList argumente{QStringLiteral("--utf8"), QStringLiteral("--subject"), auftrag.Betreff};
    if (!text.isEmpty()) argumente << QStringLiteral("--body") << text;
    for (const QString& anhang : auftrag.Anhaenge)
        argumente << QStringLiteral("--attach") << anhang;
    return argumente;
}

int MailDienstXdg::Ergebnis(QProcess::ExitStatus status, int exitCode) {
    if (status != QProcess::NormalExit) return MailErgebnis::Fehler;
    switch (exitCode) {
    case 0:
        return MailErgebnis::Uebermittelt;
    case XdgKeinWerkzeug:
        return MailErgebnis::KeinProgramm;
    case XdgDateiFehlt:
        return MailErgebnis::AnhangFehlt;
    case XdgKeinLeserecht:
        return MailErgebnis::AnhangUnlesbar;
    case XdgSyntax:
    case XdgFehlgeschlagen:
    default:
        return MailErgebnis::Fehler;
    }
}

int MailDienstXdg::senden(const MailAuftrag& auftrag) {
    m_bericht.clear();
    QByteArray fehlerausgabe;
    auto* prozess = new QProcess(QCoreApplication::instance());
    prozess->setProcessEnvironment(m_umgebung);
    // The error output tells the user why nothing was sent; the mail program that xdg-email
    // starts inherits it, so it is read on as long as the process runs and kept bounded.
    prozess->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    QObject::connect(prozess, &QProcess::readyReadStandardError, prozess, [prozess, &fehlerausgabe] {
        const QByteArray neu = prozess->readAllStandardError();
        if (fehlerausgabe.size() < BerichtGrenze)
            fehlerausgabe += neu.left(BerichtGrenze - fehlerausgabe.size());
    });
    prozess->start(m_programm, Argumente(auftrag));
    if (!prozess->waitForStarted()) {
        m_bericht = m_programm + QStringLiteral(": ") + prozess->errorString();
        delete prozess;
        return MailErgebnis::KeinProgramm; // no xdg-email: no mail service on this system
    }
    // Some mail programs keep the caller waiting until their compose window closes. The
    // window stays painted meanwhile; after the wait the message is with the mail program.
    QElapsedTimer uhr;
    uhr.start();
    while (prozess->state() != QProcess::NotRunning && uhr.elapsed() < Wartezeit) {
        if (!prozess->waitForFinished(20))
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (prozess->state() != QProcess::NotRunning) {
        QObject::disconnect(prozess, &QProcess::readyReadStandardError, nullptr, nullptr);
        QObject::connect(prozess, &QProcess::readyReadStandardError, prozess,
                         [prozess] { prozess->readAllStandardError(); });
        QObject::connect(prozess, &QProcess::finished, prozess, &QObject::deleteLater);
        return MailErgebnis::Uebermittelt;
    }
    fehlerausgabe += prozess->readAllStandardError().left(BerichtGrenze);
    const int ergebnis = Ergebnis(prozess->exitStatus(), prozess->exitCode());
    if (ergebnis != MailErgebnis::Uebermittelt)
        m_bericht = QString::fromLocal8Bit(fehlerausgabe.left(BerichtGrenze)).trimmed();
    delete prozess;
    return ergebnis;
}
