#pragma once
// The about window: program name, version, a few fixed lines and the maker's home page.
#include <QDialog>

class QLabel;
class Meldungen;
class Shell;

class TInfoBox final : public QDialog {
    Q_OBJECT
public:
    TInfoBox(Shell& shell, Meldungen& meldungen, QWidget* eltern = nullptr);

    QString titelText() const;
    QString versionText() const;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Shell& m_shell;
    Meldungen& m_meldungen;
    QLabel* m_titelLab = nullptr;
    QLabel* m_versionLab = nullptr;
};
