#pragma once
// The protocol window: shows the protocol read-only and adds comments, saves it as RTF,
// prints it and copies it to the clipboard. The file and print choosers can be replaced
// (tests); everything else is done by the core protocol functions.
#include <QDialog>
#include <functional>

class Meldungen;
class Protokoll;
class QPrinter;
class QPushButton;
class QTextEdit;
class TProtKomForm;

struct ProtokollFensterDialoge {
    // The RTF file to save to, or empty when the user cancels.
    std::function<QString(QWidget* eltern, const QString& titel, const QString& ordner)> speicherDatei;
    // Lets the user set up `drucker`; false when cancelled.
    std::function<bool(QWidget* eltern, QPrinter& drucker)> drucker;
};
// The Qt dialogs; with no printer installed, printing goes to a PDF file chosen by the user.
ProtokollFensterDialoge ProtokollStandardDialoge();

inline const QString ProtokollDruckTitel = QStringLiteral("Quiz-Protokoll");

class TUebProtokollForm final : public QDialog {
    Q_OBJECT
public:
    TUebProtokollForm(Protokoll& protokoll, TProtKomForm& kommentar, Meldungen& meldungen,
                      QWidget* eltern = nullptr);
    void setzeDialoge(ProtokollFensterDialoge dialoge) { m_dialoge = std::move(dialoge); }

    void KommentarHinzufuegen();
    void Speichern();
    void Drucken();
    void InZwischenablage();

    QTextEdit* RichEdit1() const { return m_richEdit; }

protected:
    // The window opens at the protocol's first line, "Quiz-Protokoll".
    void showEvent(QShowEvent* ereignis) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, void (TUebProtokollForm::*aktion)());

    Protokoll& m_protokoll;
    TProtKomForm& m_kommentar;
    Meldungen& m_meldungen;
    ProtokollFensterDialoge m_dialoge;
    QTextEdit* m_richEdit = nullptr;
};
