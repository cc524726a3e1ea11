#pragma once
// The best-list window TBestListForm: the ranked list in a grid, saved as grid text,
// copied to the clipboard or printed. The file and print choosers can be replaced
// (tests); the rows, the text and the printed page come from the core.
#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

class Bestenliste;
class Meldungen;
class QPrinter;
class BestListModell;
class QLabel;
class QPushButton;
class QTableView;

struct BestListFensterDialoge {
    // The text file to save to, or empty when the user cancels.
    std::function<QString(QWidget* eltern, const QString& titel, const QString& ordner)> textDatei;
    // Lets the user set up `drucker`; false when cancelled.
    std::function<bool(QWidget* eltern, QPrinter& drucker)> drucker;
};
// The Qt dialogs; with no printer installed, printing goes to a PDF file chosen by the user.
BestListFensterDialoge BestListStandardDialoge();

class TBestListForm final : public QDialog {
    Q_OBJECT
public:
    TBestListForm(const Bestenliste& liste, Meldungen& meldungen, QWidget* eltern = nullptr);
    void setzeDialoge(BestListFensterDialoge dialoge) { m_dialoge = std::move(dialoge); }

    // Fills the grid from the list; runs at every activation.
    void GridFuellen();
    void Drucken();
    void Speichern();
    void InZwischenablage();

    // The grid asks for the cells of the rows it shows only, so a long list opens at once.
    QTableView* Grid1() const { return m_grid; }
    // Header row and data rows as the grid shows them (built on each call).
    std::vector<QStringList> zeilen() const;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, void (TBestListForm::*aktion)());

    const Bestenliste& m_liste;
    Meldungen& m_meldungen;
    BestListFensterDialoge m_dialoge;
    QTableView* m_grid = nullptr;
    BestListModell* m_modell = nullptr;
    QLabel* m_schaden = nullptr;
};
