#pragma once

#include <QString>
#include <QStringList>

// The sound engine as the show uses it: one current sound, owned by the
// engine, that a new sound replaces and a stop ends; it stays the current
// sound after it finished until something replaces or forgets it.
class IGeluidsmachine {
public:
    virtual ~IGeluidsmachine() = default;
    // Stops the current sound, if playing, and plays the file at a volume
    // of 0..100 as the new current sound (none when it cannot be played).
    virtual void SpeelItemGeluid(const QString& strPad, int nVolume) = 0;
    // The gong toggle: a current sound still playing is stopped and
    // forgotten instead; else the project's own file (strGong, the local
    // file) unless bIntern is set or there is none, else the built-in gong.
    virtual void SpeelGong(const QString& strGong, bool bIntern) = 0;
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
    void SpeelGong(const QString&, bool) override { }
    void StopHuidig() override { }
    bool HuidigLoopt() const override { return false; }
};
