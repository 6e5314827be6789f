#pragma once

#include <QDeadlineTimer>
#include <QHash>
#include <QString>

// Finds the local file that a path stored in a project names. Projects come
// from other computers, most of them Windows ones: a stored path such as
// "C:\Clubavond\Foto's\Zon.JPG" names nothing here, but the project's
// folder was usually copied whole. In this order:
// 1. the path as stored, when it exists (a relative one counts from the
//    project file's folder);
// 2. a Windows path (drive letter, "\\server\share" or backslashes), or an
//    absolute path that is not there, by its ever shorter tails under the
//    project's folder: "Clubavond/Foto's/Zon.JPG", then "Foto's/Zon.JPG",
//    then "Zon.JPG";
// 3. each name compared without regard to letter case when the exact one is
//    missing, as Windows did; the exact name wins when both exist.
// The stored path itself is never changed. A network path is never reached:
// it is only looked for under the project's folder.
class CBestandZoeker {
public:
    // The project file's folder (empty for a project never saved). Forgets
    // what was found before.
    void SetProjectMap(const QString& strMap);
    const QString& ProjectMap() const { return m_strMap; }

    // The local file to use, or empty when there is none. Remembered per
    // stored path until the folder changes or the file is gone; a miss for
    // the time given below, then looked for again.
    QString Zoek(const QString& strOpgeslagen) const;
    void SetMisDuur(int nMs) { m_nMisMs = nMs; }

    // The lookup itself, without remembering.
    static QString Zoek(const QString& strOpgeslagen, const QString& strMap);
    static bool IsWindowsPad(const QString& strPad);

private:
    static constexpr int nMisMs = 2000;
    struct SGevonden {
        QString strPad;
        QDeadlineTimer herhaal;
    };
    QString m_strMap;
    int m_nMisMs = nMisMs;
    mutable QHash<QString, SGevonden> m_gevonden;
};
