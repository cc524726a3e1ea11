#pragma once
// The best-list window TBestListForm: the ranked list in a grid, saved as grid text,
// copied to the clipboard or printed. The file and print choosers and the clipboard are
// the program's ports; the rows, the text and the printed page come from the core.
#include <QDialog>
#include <QStringList>
#include <vector>

class Bestenliste;
class Dialoge;
class Meldungen;
class BestListModell;
class QLabel;
class QPushButton;
class QTableView;
class Zwischenablage;

class TBestListForm final : public QDialog {
    Q_OBJECT
public:
    TBestListForm(const Bestenliste& liste, Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage,
                  QWidget* eltern = nullptr);

    // Fills the grid from the list; runs at every activation.
    void GridFuellen();
    void Drucken();
    void Speichern();
    void InZwischenablage();

    // The grid asks for the cells of the rows it shows only, so a long list opens at once.
    QTableView* Grid1() const { return m_grid; }
    // Header row and data rows as the grid shows them (built on each call).
    std::vector<QStringList> zeilen() const;

signals:
    // "Klassenauswertung...": the analysis of the answer records beside the list shown.
    void klassenauswertungGewuenscht();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, void (TBestListForm::*aktion)());

    const Bestenliste& m_liste;
    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    Zwischenablage& m_ablage;
    QTableView* m_grid = nullptr;
    BestListModell* m_modell = nullptr;
    QLabel* m_schaden = nullptr;
};
