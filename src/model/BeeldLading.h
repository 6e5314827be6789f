#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

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
    // maat and formaat as the file's header gives them (empty when unknown).
    explicit CBeeldLading(QByteArray data, QSize maat = {}, QByteArray formaat = {});
    // Already decoded (or known to be no picture when null).
    explicit CBeeldLading(std::shared_ptr<const QImage> pBeeld);

    // Starts decoding on Qt's shared pool of workers. The worker holds the
    // load only weakly: a picture nobody names any more is not decoded.
    static void StartOpAchtergrond(const std::shared_ptr<CBeeldLading>& pLading);
    // While held, loads wait for whoever needs them first instead of taking
    // the workers; letting go starts the ones still waiting. A window's first
    // paint does not share the processor with pictures it does not show.
    static void HoudAchtergrondTegen();
    static void LaatAchtergrondToe();

    // The decoded picture, or null when the bytes are no picture after all
    // (a truncated or corrupt file). Waits for a worker that is at it.
    const QImage* Beeld();
    // For drawing a picture smaller than it is: the decoded picture. While
    // the workers are held back (a first paint) and it is not decoded yet,
    // one decoded at size minimaal will do when the format allows it cheaply
    // (a JPEG's decoder scales by eighths on the way) and that is at most
    // half of each side; what is drawn or exported later is always drawn
    // from the whole picture. The smaller one is let go once that is there.
    std::shared_ptr<const QImage> BeeldVanMinstens(const QSize& minimaal);
    // The size without decoding when the header told it; else decodes.
    QSize Maat();
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
    const QSize m_maat;
    const QByteArray m_formaat;
    std::shared_ptr<const QImage> m_pBeeld;
    std::shared_ptr<const QImage> m_pVerkleind;
};
