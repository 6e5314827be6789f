#pragma once

#include <QString>
#include <QStringList>

// The sound engine as the show uses it: one current sound, owned by the
// engine, that a new sound replaces and a stop ends; it stays the current
// sound after it finished until something replaces or forgets it.
// Which gong the toggle plays: the built-in one, or the project's own. An
// own gong that was not found here (strPad empty) gives silence, never the
// built-in one.
struct SGong {
    bool bEigen = false;
    QString strPad; // the local file of the own gong

    static SGong Ingebouwd() { return {}; }
    static SGong Eigen(const QString& strPad) { return { true, strPad }; }
};

class CBestandZoeker;
// The gong of the gong command for a project's stored gong path: the
// built-in one when bIngebouwd is asked for or the project has none.
SGong ProjectGong(const CBestandZoeker& zoeker, const QString& strOpgeslagen, bool bIngebouwd);

class IGeluidsmachine {
public:
    virtual ~IGeluidsmachine() = default;
    // Stops the current sound, if playing, and plays the file at a volume
    // of 0..100 as the new current sound (none when it cannot be played).
    virtual void SpeelItemGeluid(const QString& strPad, int nVolume) = 0;
    // The gong toggle: a current sound still playing is stopped and
    // forgotten instead; else the gong asked for.
    virtual void SpeelGong(const SGong& gong) = 0;
    // Stops and forgets the current sound.
    virtual void StopHuidig() = 0;
    // Whether a current sound exists and has not finished.
    virtual bool HuidigLoopt() const = 0;

    // The presenter's controls of the current sound; each does nothing
    // when there is no current sound or it has finished.
    virtual void WisselPauze() { }
    virtual void WisselHerhalen() { }
    // Stops it; it stays the current sound.
    virtual void StopMaarHoud() { }
    virtual float Volume() const { return 1.0f; }
    virtual void ZetVolume(float) { }
    virtual float MasterVolume() const { return 1.0f; }
    virtual void ZetMasterVolume(float) { }

    // What the operator sees of the current sound: its file (empty for the
    // built-in gong or none), where it is and how long it is in seconds (a
    // negative length when unknown), and its switches.
    virtual QString HuidigBestand() const { return {}; }
    virtual double Positie() const { return 0; }
    virtual double Lengte() const { return -1; }
    virtual bool Gepauzeerd() const { return false; }
    virtual bool Herhaalt() const { return false; }

    // Whether the output device went away since the last look; the sound
    // that played on it has stopped, and the next sound opens a device anew.
    virtual bool ApparaatVerdwenen() { return false; }

    // The playback devices to choose from, by name.
    virtual QStringList Apparaten() const { return {}; }
    // Used from the next sound on; empty for the system's default.
    virtual void KiesApparaat(const QString&) { }
};

// A volume step of the presenter keys: the float read, the step added in
// double precision, back to float, and held within 0.0 .. 1.0.
float VolumeStap(float fVolume, double dStap);

// No audio at all: every request does nothing.
class CStilleGeluidsmachine : public IGeluidsmachine {
public:
    void SpeelItemGeluid(const QString&, int) override { }
    void SpeelGong(const SGong&) override { }
    void StopHuidig() override { }
    bool HuidigLoopt() const override { return false; }
};
