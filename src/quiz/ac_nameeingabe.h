#pragma once
// TNameEingabeForm "Teilnehmername eingeben": asks for the participant's name at the
// quiz start. The window lives for the whole run and keeps the last name.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TNameEingabeForm final : public QDialog {
    Q_OBJECT
public:
    explicit TNameEingabeForm(QWidget* eltern = nullptr);

    // Shows the window modally; the field's text without control characters, which the
    // field also drops as they are typed or pasted (no trimming).
    QString Abfragen();

    QLineEdit* TNameEdit() const { return m_edit; }
    QPushButton* OkBtn() const { return m_ok; }

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    QLabel* m_hintergrund = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
};
