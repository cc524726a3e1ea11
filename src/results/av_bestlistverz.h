#pragma once
// The folders window TBestListVerzForm: the protocol folder and the best-list folder,
// each with a folder browser. OK stores both only when both exist; the program's own
// default folders are created when missing. A folder entered without a final
// separator gets one.
#include <QDialog>

class Dialoge;
class Meldungen;
class QLineEdit;
class QPushButton;
struct ProgrammOrdnerTyp;

class TBestListVerzForm final : public QDialog {
    Q_OBJECT
public:
    TBestListVerzForm(ProgrammOrdnerTyp& ordner, Meldungen& meldungen, Dialoge& dialoge,
                      QWidget* eltern = nullptr);

    // Both edits show the current folders.
    void Aktivieren();
    void ProtDurchsuchen();
    void BestListDurchsuchen();
    // Checks and stores; closes the window only when both folders exist.
    void OK();

    QLineEdit* ProtVerzEdit1() const { return m_prot; }
    QLineEdit* BestListVerzEdit1() const { return m_best; }

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    bool pruefen(QLineEdit* edit, const QString& fehler);
    void durchsuchen(QLineEdit* edit, const QString& titel);

    ProgrammOrdnerTyp& m_ordner;
    Meldungen& m_meldungen;
    Dialoge& m_dialoge; // the folder browser
    QLineEdit* m_prot = nullptr;
    QLineEdit* m_best = nullptr;
};
