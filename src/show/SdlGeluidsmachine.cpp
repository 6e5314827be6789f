#include "SdlGeluidsmachine.h"

#include <QFile>
#include <QFileInfo>
#include <QTimerEvent>

#include <SDL.h>
#include <SDL_mixer.h>
#include <cmath>

namespace {

constexpr int nFrequentie = 44100;
constexpr int nKanalen = 2;
constexpr int nBuffer = 2048;
// How often a looped sound is checked for having ended, to start it again.
constexpr int nHerhaalMs = 50;
// A sound file larger than this is no sound a show plays.
constexpr qint64 nMaxBytes = 1024ll * 1024 * 1024;

// Set by SDL's audio thread when music ends by itself.
std::atomic<bool> g_bMuziekKlaar { false };

void MuziekKlaar()
{
    g_bMuziekKlaar = true;
}

} // namespace

CSdlGeluidsmachine::CSdlGeluidsmachine(const QString& strApparaat, QObject* pOuder)
    : QObject(pOuder)
    , m_strApparaat(strApparaat)
{
    QFile gong(QStringLiteral(":/geluid/gong.ogg"));
    if (gong.open(QIODevice::ReadOnly))
        m_gong = gong.readAll();
}

bool CSdlGeluidsmachine::StartSdl() const
{
    // Probing the audio drivers takes time; the program starts without it
    // and does it at the first sound or device list.
    if (!m_bSdlGeprobeerd) {
        m_bSdlGeprobeerd = true;
        // SDL's events tell when a device goes away; its signal handlers
        // would take Ctrl+C from the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        m_bSdl = SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS) == 0;
    }
    return m_bSdl;
}

CSdlGeluidsmachine::~CSdlGeluidsmachine()
{
    Sluit();
    if (m_bSdl)
        SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS);
}

QStringList CSdlGeluidsmachine::Apparaten() const
{
    QStringList a;
    if (!StartSdl())
        return a;
    // Counted anew each time: speakers and projectors come and go.
    const int n = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < n; ++i) {
        if (const char* sz = SDL_GetAudioDeviceName(i, 0))
            a << QString::fromUtf8(sz);
    }
    return a;
}

void CSdlGeluidsmachine::KiesApparaat(const QString& strApparaat)
{
    // The same device chosen again is opened again too: it may have been
    // lost (pulled out) and be back.
    m_strApparaat = strApparaat;
    m_bApparaatGewijzigd = true;
}

bool CSdlGeluidsmachine::ApparaatVerloren() const
{
    if (!m_bSdl)
        return false;
    SDL_PumpEvents();
    bool bVerloren = false;
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED, SDL_AUDIODEVICEREMOVED) > 0) {
        if (!e.adevice.iscapture)
            bVerloren = true;
    }
    return bVerloren;
}

bool CSdlGeluidsmachine::ApparaatVerdwenen()
{
    if (!m_bOpen || !ApparaatVerloren())
        return false;
    Vergeet();
    m_bApparaatGewijzigd = true;
    return true;
}

bool CSdlGeluidsmachine::Open()
{
    // A device that went away while open: the next sound opens anew, on the
    // chosen device when it is back, else on the default one, else silent.
    if (m_bOpen && ApparaatVerloren())
        m_bApparaatGewijzigd = true;
    if (m_bOpen && !m_bApparaatGewijzigd)
        return true;
    if (m_bOpen) {
        // Another device: from this sound on; the one playing ends.
        Sluit();
    }
    m_bApparaatGewijzigd = false;
    if (!StartSdl())
        return false;
    const QByteArray naam = m_strApparaat.toUtf8();
    auto open = [](const char* szNaam) {
        return Mix_OpenAudioDevice(nFrequentie, AUDIO_S16SYS, nKanalen, nBuffer, szNaam, SDL_AUDIO_ALLOW_ANY_CHANGE)
            == 0;
    };
    if (!open(m_strApparaat.isEmpty() ? nullptr : naam.constData()) && (m_strApparaat.isEmpty() || !open(nullptr)))
        return false;
    Mix_HookMusicFinished(MuziekKlaar);
    m_bOpen = true;
    ++m_nOpeningen;
    return true;
}

void CSdlGeluidsmachine::Sluit()
{
    Vergeet();
    if (m_bOpen) {
        Mix_HookMusicFinished(nullptr);
        Mix_CloseAudio();
        m_bOpen = false;
    }
}

void CSdlGeluidsmachine::Vergeet()
{
    if (m_nTimer) {
        killTimer(m_nTimer);
        m_nTimer = 0;
    }
    if (m_pHuidig) {
        Mix_HaltMusic();
        Mix_FreeMusic(m_pHuidig);
        m_pHuidig = nullptr;
    }
    m_strHuidig.clear();
    m_bHerhalen = false;
}

void CSdlGeluidsmachine::ZetMixVolume()
{
    // The master volume scales every sound; SDL's music has one volume.
    Mix_VolumeMusic(int(std::lround(double(m_fVolume) * double(m_fMaster) * MIX_MAX_VOLUME)));
}

void CSdlGeluidsmachine::Speel(Mix_Music* pMuziek, float fVolume)
{
    m_pHuidig = pMuziek;
    m_fVolume = fVolume;
    ZetMixVolume();
    g_bMuziekKlaar = false;
    if (Mix_PlayMusic(m_pHuidig, 0) != 0)
        g_bMuziekKlaar = true;
}

void CSdlGeluidsmachine::SpeelItemGeluid(const QString& strPad, int nVolume)
{
    Vergeet();
    const QFileInfo info(strPad);
    if (!info.isFile() || info.size() > nMaxBytes || !Open())
        return;
    // Streamed: only the start of the file is read before playing begins.
    if (Mix_Music* p = Mix_LoadMUS(QFile::encodeName(strPad).constData())) {
        Speel(p, float(qBound(0, nVolume, 100) / 100.0));
        m_strHuidig = strPad;
    }
}

void CSdlGeluidsmachine::SpeelGong(const SGong& gong)
{
    if (HuidigLoopt()) {
        Vergeet();
        return;
    }
    Vergeet();
    if (!Open())
        return;
    if (gong.bEigen) {
        // The project's own gong; a missing file gives silence, not the built-in one.
        const QFileInfo info(gong.strPad);
        if (!gong.strPad.isEmpty() && info.isFile() && info.size() <= nMaxBytes) {
            if (Mix_Music* p = Mix_LoadMUS(QFile::encodeName(gong.strPad).constData())) {
                Speel(p, 1.0f);
                m_strHuidig = gong.strPad;
            }
        }
        return;
    }
    if (m_gong.isEmpty())
        return;
    SDL_RWops* pBron = SDL_RWFromConstMem(m_gong.constData(), int(m_gong.size()));
    if (Mix_Music* p = pBron ? Mix_LoadMUS_RW(pBron, 1) : nullptr)
        Speel(p, 1.0f);
}

void CSdlGeluidsmachine::StopHuidig()
{
    Vergeet();
}

bool CSdlGeluidsmachine::HuidigLoopt() const
{
    if (!m_pHuidig)
        return false;
    // A looped sound plays on through the moment between its end and its
    // new start, so a gong key pressed then silences it.
    if (m_bHerhalen)
        return true;
    return !g_bMuziekKlaar && (Mix_PlayingMusic() || Mix_PausedMusic());
}

double CSdlGeluidsmachine::Positie() const
{
    if (!HuidigLoopt())
        return 0;
    const double d = Mix_GetMusicPosition(m_pHuidig);
    return d > 0 ? d : 0;
}

double CSdlGeluidsmachine::Lengte() const
{
    return m_pHuidig ? Mix_MusicDuration(m_pHuidig) : -1;
}

bool CSdlGeluidsmachine::Gepauzeerd() const
{
    return HuidigLoopt() && Mix_PausedMusic();
}

void CSdlGeluidsmachine::WisselPauze()
{
    if (!HuidigLoopt())
        return;
    if (Mix_PausedMusic())
        Mix_ResumeMusic();
    else
        Mix_PauseMusic();
}

void CSdlGeluidsmachine::WisselHerhalen()
{
    if (!HuidigLoopt())
        return;
    m_bHerhalen = !m_bHerhalen;
    if (m_bHerhalen && !m_nTimer)
        m_nTimer = startTimer(nHerhaalMs);
}

void CSdlGeluidsmachine::StopMaarHoud()
{
    if (!HuidigLoopt())
        return;
    m_bHerhalen = false;
    Mix_HaltMusic();
    g_bMuziekKlaar = true;
}

void CSdlGeluidsmachine::ZetVolume(float fVolume)
{
    m_fVolume = qBound(0.0f, fVolume, 1.0f);
    if (m_bOpen)
        ZetMixVolume();
}

void CSdlGeluidsmachine::ZetMasterVolume(float fVolume)
{
    m_fMaster = qBound(0.0f, fVolume, 1.0f);
    if (m_bOpen)
        ZetMixVolume();
}

void CSdlGeluidsmachine::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_nTimer)
        return QObject::timerEvent(pEvent);
    if (!m_bHerhalen || !m_pHuidig) {
        killTimer(m_nTimer);
        m_nTimer = 0;
        return;
    }
    // A looped sound that reached its end starts again.
    if (g_bMuziekKlaar) {
        g_bMuziekKlaar = false;
        if (Mix_PlayMusic(m_pHuidig, 0) != 0)
            g_bMuziekKlaar = true;
    }
}
