#pragma once

#include "Geluidsmachine.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <atomic>

struct _Mix_Music;

// The sound engine on SDL2_mixer. Files are streamed, never decoded whole
// before they start; the built-in gong plays from memory. Without an audio
// device the program runs silently.
class CSdlGeluidsmachine : public QObject, public IGeluidsmachine {
    Q_OBJECT

public:
    // strApparaat: the output device by name; empty for the system's default.
    explicit CSdlGeluidsmachine(const QString& strApparaat = {}, QObject* pOuder = nullptr);
    ~CSdlGeluidsmachine() override;

    QStringList Apparaten() const override;
    void KiesApparaat(const QString& strApparaat) override;
    // Whether an audio device could be opened (tried at the first sound).
    bool HeeftGeluid() const { return m_bOpen; }
    // How often a device was opened: once, and again after a change or loss.
    int AantalOpeningen() const { return m_nOpeningen; }

    void SpeelItemGeluid(const QString& strPad, int nVolume) override;
    void SpeelGong(const SGong& gong) override;
    void StopHuidig() override;
    bool HuidigLoopt() const override;
    void WisselPauze() override;
    void WisselHerhalen() override;
    void StopMaarHoud() override;
    float Volume() const override { return m_fVolume; }
    void ZetVolume(float fVolume) override;
    float MasterVolume() const override { return m_fMaster; }
    QString HuidigBestand() const override { return m_pHuidig ? m_strHuidig : QString(); }
    double Positie() const override;
    double Lengte() const override;
    bool Gepauzeerd() const override;
    bool Herhaalt() const override { return m_pHuidig && m_bHerhalen; }
    bool ApparaatVerdwenen() override;
    void ZetMasterVolume(float fVolume) override;

protected:
    void timerEvent(QTimerEvent*) override;

private:
    bool StartSdl() const;
    bool Open();
    // Whether SDL reported an output device gone since the last look.
    bool ApparaatVerloren() const;
    void Sluit();
    // Makes the music the current sound and starts it at fVolume.
    void Speel(_Mix_Music* pMuziek, float fVolume);
    void Vergeet();
    void ZetMixVolume();

    QString m_strApparaat;
    mutable bool m_bSdl = false;
    mutable bool m_bSdlGeprobeerd = false;
    bool m_bOpen = false;
    bool m_bApparaatGewijzigd = false;
    QByteArray m_gong; // the built-in gong; the engine reads it in place
    _Mix_Music* m_pHuidig = nullptr;
    QString m_strHuidig; // its file
    bool m_bHerhalen = false;
    float m_fVolume = 1.0f;
    float m_fMaster = 1.0f;
    int m_nTimer = 0;
    int m_nOpeningen = 0;
};
