#pragma once
// TMailForm "Dokument per E-Mail versenden": the options for sending the document. The
// window lives for the whole run and keeps the last choice.
#include <QDialog>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TMailForm final : public QDialog {
    Q_OBJECT
public:
    explicit TMailForm(QWidget* eltern = nullptr);

    // Shows the window modally: the chosen item of MailGroup after OK, nothing otherwise.
    std::optional<int> Abfragen();

    // Offers "Dokument und TVL-Basissystem zusammen versenden" only where the base system's
    // set-up can be attached; otherwise the item is disabled and `hinweis` says why.
    void BasissystemAnbieten(bool verfuegbar, const QString& hinweis = {});
    QLabel* BasisHinweis() const { return m_basisHinweis; }

    int ItemIndex() const;
    void setzeItemIndex(int index);
    QGroupBox* MailGroup() const { return m_gruppe; }
    QRadioButton* Item(int index) const;
    QPushButton* OkBtn() const { return m_ok; }
    QPushButton* AbbrechenBtn() const { return m_abbrechen; }

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    QLabel* m_hintergrund = nullptr;
    QGroupBox* m_gruppe = nullptr;
    QButtonGroup* m_knoepfe = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_abbrechen = nullptr;
    QLabel* m_basisHinweis = nullptr;
};
