#pragma once

#include <QString>

// The sound engine as the show's actions use it: one current sound, owned
// by the engine, that a new sound replaces and a stop ends.
class IGeluidsmachine {
public:
    virtual ~IGeluidsmachine() = default;
    // Stops the current sound, if any, and plays the file at a volume of
    // 0..100 as the new current sound.
    virtual void SpeelItemGeluid(const QString& strPad, int nVolume) = 0;
    // The gong: the project's own file, or the built-in one when bIntern is
    // set or there is none; a sound still playing is stopped instead.
    virtual void SpeelGong(const QString& strGong, bool bIntern) = 0;
    virtual void StopHuidig() = 0;
    // Whether a current sound exists and has not finished.
    virtual bool HuidigLoopt() const = 0;
};

// No audio at all: every request does nothing.
class CStilleGeluidsmachine : public IGeluidsmachine {
public:
    void SpeelItemGeluid(const QString&, int) override { }
    void SpeelGong(const QString&, bool) override { }
    void StopHuidig() override { }
    bool HuidigLoopt() const override { return false; }
};
