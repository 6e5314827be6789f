#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <future>
#include <memory>

class CZerbantikoDoc;
class IMelder;
class QLockFile;

// Recovery after a crash. While the project has unsaved changes, a copy of
// it is written to the user's state folder every two minutes, and after ten
// seconds of quiet on the first change after a save; with the file format's
// own writer, off the user-interface thread, through a temporary file, never
// touching the user's own file. A copy belongs to one running program (a
// lock beside it); a clean save, a discarded project or a normal end of the
// program removes it. At the next start, the copies of a program that ended
// without cleaning up are offered.
class CHerstel : public QObject {
    Q_OBJECT

public:
    explicit CHerstel(CZerbantikoDoc& doc, const QString& strMap = StandaardMap(), QObject* pOuder = nullptr);
    // A normal end: the copy goes.
    ~CHerstel() override;

    // $XDG_STATE_HOME/zerbantiko/herstel (~/.local/state/... when unset).
    static QString StandaardMap();

    // Offers the copies left by programs that are no longer running:
    // Herstellen opens one as the modified project under its own path,
    // Weggooien removes it, Later keeps it. A copy that cannot be read is
    // reported and kept. True when a project was recovered.
    bool BiedAan(IMelder& melder);

    // Writes a copy now, if the project has unsaved changes.
    void SchrijfNu();
    // Waits until the copy being written is on disk (tests, and the end).
    void WachtOpSchrijven();
    // The copy of this program, or empty while there is none.
    QString Kopie() const;

private:
    void ModifiedGewijzigd(bool bModified);
    void Veranderd();
    void Verwijder();

    CZerbantikoDoc& m_doc;
    QString m_strMap;
    QString m_strNaam; // this program's copy: <naam>.zb, .json and .lock
    std::unique_ptr<QLockFile> m_pSlot;
    QTimer m_periodiek;
    QTimer m_rust;
    bool m_bGeschrevenSindsOpslaan = false;
    bool m_bKopieBestaat = false;
    std::future<void> m_schrijven;
};
