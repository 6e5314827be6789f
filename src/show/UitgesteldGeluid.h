#pragma once

#include "Geluidsmachine.h"

#include <QStringList>

#include <memory>

// The sound engine, loaded when first needed. The real engine and the audio
// libraries under it (decoders, synthesiser, sound servers: some fifty
// libraries) live in a module of their own, so that the editor starts
// without them; the first sound, or the first question about devices or
// volume, loads it. Without the module the program runs silently.
class CUitgesteldGeluid : public IGeluidsmachine {
public:
    // aModules: where the module may be, in order; strApparaat as for the
    // engine.
    CUitgesteldGeluid(QStringList aModules, QString strApparaat);
    ~CUitgesteldGeluid() override;

    // Whether the real engine was loaded (for the start-up's sake, not yet).
    bool Geladen() const { return m_pEcht != nullptr; }

    void SpeelItemGeluid(const QString& strPad, int nVolume) override { Echt().SpeelItemGeluid(strPad, nVolume); }
    void SpeelGong(const SGong& gong) override { Echt().SpeelGong(gong); }
    void StopHuidig() override
    {
        if (m_pEcht)
            m_pEcht->StopHuidig();
    }
    bool HuidigLoopt() const override { return m_pEcht && m_pEcht->HuidigLoopt(); }
    void WisselPauze() override { Echt().WisselPauze(); }
    void WisselHerhalen() override { Echt().WisselHerhalen(); }
    void StopMaarHoud() override
    {
        if (m_pEcht)
            m_pEcht->StopMaarHoud();
    }
    // Before the first sound, both volumes are as the engine starts them.
    float Volume() const override { return m_pEcht ? m_pEcht->Volume() : 1.0f; }
    void ZetVolume(float f) override { Echt().ZetVolume(f); }
    float MasterVolume() const override { return m_pEcht ? m_pEcht->MasterVolume() : 1.0f; }
    void ZetMasterVolume(float f) override { Echt().ZetMasterVolume(f); }
    QString HuidigBestand() const override { return m_pEcht ? m_pEcht->HuidigBestand() : QString(); }
    double Positie() const override { return m_pEcht ? m_pEcht->Positie() : 0; }
    double Lengte() const override { return m_pEcht ? m_pEcht->Lengte() : -1; }
    bool Gepauzeerd() const override { return m_pEcht && m_pEcht->Gepauzeerd(); }
    bool Herhaalt() const override { return m_pEcht && m_pEcht->Herhaalt(); }
    bool ApparaatVerdwenen() override { return m_pEcht && m_pEcht->ApparaatVerdwenen(); }
    QStringList Apparaten() const override { return Echt().Apparaten(); }
    void KiesApparaat(const QString& strApparaat) override;

private:
    IGeluidsmachine& Echt() const;

    QStringList m_aModules;
    QString m_strApparaat;
    mutable std::unique_ptr<IGeluidsmachine> m_pEcht;
};
