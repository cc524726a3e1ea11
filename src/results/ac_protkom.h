#pragma once
// The comment window: one multi-line field and the buttons "OK" and "Abbrechen".
#include <QDialog>

class QPlainTextEdit;

class TProtKomForm final : public QDialog {
    Q_OBJECT
public:
    explicit TProtKomForm(QWidget* eltern = nullptr);

    // Sets the caption and empties the field before each use.
    void vorbereiten();
    QString text() const;
    QPlainTextEdit* Memo1() const { return m_memo; }

private:
    QPlainTextEdit* m_memo = nullptr;
};
