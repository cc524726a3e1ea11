#pragma once
// The mail hand-over on Linux: xdg-email (xdg-utils) opens the user's default mail
// program (Thunderbird, Evolution, KMail, ...) with subject, body and attachments.
#include "platform/maildienst.h"

#include <QProcess>
#include <QProcessEnvironment>

class MailDienstXdg final : public MailDienst {
public:
    // `programm` and `umgebung` are the system's unless a test brings its own.
    explicit MailDienstXdg(QString programm = QStringLiteral("xdg-email"),
                           QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment());
    int senden(const MailAuftrag& auftrag) override;
    QString bericht() const override { return m_bericht; }

    // The command line for `auftrag`, without the program.
    static QStringList Argumente(const MailAuftrag& auftrag);
    // xdg-utils' exit codes as the program's mail results.
    static int Ergebnis(QProcess::ExitStatus status, int exitCode);

    // How long the window waits for the mail program to take the message; a program that
    // stays in the foreground after that has it and runs on.
    static constexpr int Wartezeit = 60000;
    // What is kept of xdg-email's error output for the message.
    static constexpr int BerichtGrenze = 2000;

private:
    QString m_programm;
    QProcessEnvironment m_umgebung;
    QString m_bericht;
};
