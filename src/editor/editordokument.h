#pragma once
// The document being edited: the player's model, its file, and an undo stack on which
// every change is one command. Views listen to `geaendert` and redraw what it names.
#include "documents/dokument.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

// What a command puts back: everything a file stores, apart from the file's name.
struct Dokumentstand {
    HeaderDataTyp Kopf;
    std::vector<ObjDataTyp> Objekte;
    QImage Basisbild;
};

class EditorDokument final : public QObject {
    Q_OBJECT
public:
    EditorDokument();

    // A fresh document of this type on a plain white picture; not yet saved anywhere.
    void neu(DokTyp typ);
    // False with a German message in `fehler` when the file cannot be read; the open
    // document stays as it was then.
    bool oeffnen(const QString& pfad, QString& fehler);
    // Reads a copy (recovery) and presents it under `name` with unsaved changes.
    bool oeffnenAlsGeaendert(const QString& pfad, const QString& name, QString& fehler);
    // Written whole beside the target and renamed over it.
    bool speichern(const QString& pfad, QString& fehler);
    // A copy elsewhere (recovery copy, test run) that leaves name and clean state alone.
    bool kopieSchreiben(const QString& pfad, QString& fehler) const;

    const Dokument& dokument() const { return m_dok; }
    QString pfad() const { return m_dok.Header.Dateiname; }
    bool istGeaendert() const { return !m_stapel.isClean(); }
    QUndoStack& stapel() { return m_stapel; }

    // One undoable change: `aenderung` edits a copy of the document, which becomes the new
    // state. `objekt` >= 0 says only that object changed. Commands with the same
    // `zusammenfassen` key (> 0) on the same object merge, so a drag is one step.
    void aendern(const QString& text, const std::function<void(Dokumentstand&)>& aenderung, int objekt = -1,
                 int zusammenfassen = 0);
    // Puts a state in place without a command (used by the commands themselves).
    void standSetzen(const Dokumentstand& stand, int objekt);
    Dokumentstand stand() const;

    // Edits of a whole drag live on the model without commands; `ziehenBeenden` then
    // records the change from `vorher` as one step.
    void objektLiveSetzen(int index, const ObjDataTyp& o);
    void ziehenBeenden(const QString& text, const Dokumentstand& vorher, int objekt);

signals:
    // objekt >= 0: only that object changed; -1: anything may have changed.
    void geaendert(int objekt);
    // A new document was opened or made: views start afresh.
    void neuGeladen();

private:
    Dokument m_dok;
    QUndoStack m_stapel;
};
