#pragma once

#include <QByteArray>
#include <QImage>

#include <condition_variable>
#include <memory>
#include <mutex>

// One picture file's bytes on their way to a decoded picture. Decoding starts
// on a worker as soon as the file was read, so that opening a project with
// many photos waits for none of them; whoever needs the picture first either
// waits for the worker or, when no worker took it up yet, decodes it there
// and then. Either way it is decoded once.
class CBeeldLading {
public:
    explicit CBeeldLading(QByteArray data);
    // Already decoded (or known to be no picture when null).
    explicit CBeeldLading(std::shared_ptr<const QImage> pBeeld);

    // Starts decoding on Qt's shared pool of workers. The worker holds the
    // load only weakly: a picture nobody names any more is not decoded.
    static void StartOpAchtergrond(const std::shared_ptr<CBeeldLading>& pLading);

    // The decoded picture, or null when the bytes are no picture after all
    // (a truncated or corrupt file). Waits for a worker that is at it.
    const QImage* Beeld();
    // Whether the picture is decoded or known to fail, without waiting.
    bool Klaar() const;

private:
    enum class Toestand { Wacht, Bezig, Klaar };
    // Decodes when nobody did yet; returns when the picture is ready.
    void Decodeer();

    mutable std::mutex m_mutex;
    std::condition_variable m_klaar;
    Toestand m_toestand = Toestand::Wacht;
    QByteArray m_data;
    std::shared_ptr<const QImage> m_pBeeld;
};
