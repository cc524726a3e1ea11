#pragma once
// The protocol window: shows the protocol read-only and adds comments, saves it as RTF,
// prints it and copies it to the clipboard. The file and print choosers and the clipboard
// are the program's ports; everything else is done by the core protocol functions.
#include <QDialog>

class Dialoge;
class Meldungen;
class Protokoll;
class QPushButton;
class QTextEdit;
class TProtKomForm;
class Zwischenablage;
struct DateiDialogAuftrag;

inline const QString ProtokollDruckTitel = QStringLiteral("Quiz-Protokoll");

class TUebProtokollForm final : public QDialog {
    Q_OBJECT
public:
    TUebProtokollForm(Protokoll& protokoll, TProtKomForm& kommentar, Meldungen& meldungen, Dialoge& dialoge,
                      Zwischenablage& ablage, QWidget* eltern = nullptr);

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
    Dialoge& m_dialoge;
    Zwischenablage& m_ablage;
    QTextEdit* m_richEdit = nullptr;
};
