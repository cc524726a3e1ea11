#pragma once
// Port: hands a file or an internet address to the operating system's default handler.
#include <QString>

class Shell {
public:
    virtual ~Shell() = default;
    // False when the system cannot open the target.
    virtual bool oeffnen(const QString& ziel) = 0;
};

class ShellQt final : public Shell {
public:
    bool oeffnen(const QString& ziel) override;
};
