#include "show/SdlGeluidsmachine.h"
#include "show/UitgesteldGeluid.h"
#include "support/Toon.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <SDL.h>
#include <cmath>
#include <vector>

// The real engine on SDL's "disk" driver, which writes what it plays (signed
// 16 bits, 44.1 kHz, stereo) to a file in real time.

namespace {

constexpr int nRate = 44100;
constexpr int nBytesPerSeconde = nRate * 2 * 2;

// A sine of 440 Hz as a WAV file: mono, 16 bits.
QString Toon(const QString& strPad, double dSeconden, double dAmplitude)
{
    const QString strToon = MaakToon(strPad, dSeconden, dAmplitude);
    EXPECT_FALSE(strToon.isEmpty());
    return strToon;
}

class Geluid : public ::testing::Test {
protected:
    void SetUp() override
    {
        strUit = dir.filePath("uit.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(strUit));
    }
    qint64 Geschreven() const { return QFileInfo(strUit).size(); }
    // The loudness of what was written between two file positions.
    double Rms(qint64 nVan, qint64 nTot) const
    {
        QFile f(strUit);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(nVan & ~3))
            return -1;
        const QByteArray data = f.read(nTot - nVan);
        const auto* p = reinterpret_cast<const qint16*>(data.constData());
        const qsizetype n = data.size() / 2;
        double d = 0;
        for (qsizetype i = 0; i < n; ++i)
            d += double(p[i]) * p[i];
        return n ? std::sqrt(d / double(n)) / 32768.0 : 0;
    }
    void Wacht(int nMs) { QTest::qWait(nMs); }

    QTemporaryDir dir;
    QString strUit;
};

} // namespace

TEST_F(Geluid, TheGongReachesTheOutputAndAGongKeySilencesIt)
{
    CSdlGeluidsmachine machine;
    machine.SpeelGong(SGong::Ingebouwd());
    ASSERT_TRUE(machine.HuidigLoopt());
    Wacht(800);
    EXPECT_GT(Rms(0, Geschreven()), 0.05) << "the built-in gong is heard";
    machine.SpeelGong(SGong::Ingebouwd()); // while it plays: silence, no new gong
    EXPECT_FALSE(machine.HuidigLoopt());
    const qint64 nNaStop = Geschreven();
    Wacht(500);
    EXPECT_LT(Rms(nNaStop + nBytesPerSeconde / 5, Geschreven()), 0.001) << "and nothing is playing after";
    machine.SpeelGong(SGong::Ingebouwd());
    EXPECT_TRUE(machine.HuidigLoopt()) << "once silent, the gong sounds again";
}

TEST_F(Geluid, AnItemSoundPlaysAtItsOwnVolume)
{
    const QString strToon = Toon(dir.filePath("toon.wav"), 3, 0.5);
    CSdlGeluidsmachine machine;
    machine.SpeelItemGeluid(strToon, 100);
    Wacht(700);
    const qint64 nEerste = Geschreven();
    machine.SpeelItemGeluid(strToon, 50); // replaces the first
    Wacht(700);
    const qint64 nTweede = Geschreven();
    const double dVol = Rms(nEerste - nBytesPerSeconde / 4, nEerste);
    const double dHalf = Rms(nTweede - nBytesPerSeconde / 4, nTweede);
    EXPECT_GT(dVol, 0.2);
    EXPECT_NEAR(dHalf / dVol, 0.5, 0.05) << "volume 50 is half the level of 100";
}

TEST_F(Geluid, PausingAndResuming)
{
    const QString strToon = Toon(dir.filePath("toon.wav"), 4, 0.5);
    CSdlGeluidsmachine machine;
    machine.SpeelItemGeluid(strToon, 100);
    Wacht(400);
    machine.WisselPauze();
    EXPECT_TRUE(machine.HuidigLoopt()) << "a paused sound has not finished";
    const qint64 nPauze = Geschreven();
    Wacht(600);
    EXPECT_LT(Rms(nPauze + nBytesPerSeconde / 5, Geschreven()), 0.001) << "silent while paused";
    machine.WisselPauze();
    const qint64 nVerder = Geschreven();
    Wacht(500);
    EXPECT_GT(Rms(nVerder + nBytesPerSeconde / 5, Geschreven()), 0.2) << "and on again";
    machine.StopMaarHoud();
    EXPECT_FALSE(machine.HuidigLoopt());
}

TEST_F(Geluid, WithoutADeviceEverythingIsSilent)
{
    qputenv("SDL_AUDIODRIVER", "geen-apparaat");
    CSdlGeluidsmachine machine;
    EXPECT_FALSE(machine.HeeftGeluid());
    machine.SpeelGong(SGong::Ingebouwd());
    machine.SpeelItemGeluid(Toon(dir.filePath("toon.wav"), 1, 0.5), 80);
    machine.WisselPauze();
    machine.ZetMasterVolume(0.5f);
    EXPECT_FALSE(machine.HuidigLoopt());
    EXPECT_TRUE(machine.Apparaten().isEmpty());
}

TEST_F(Geluid, AMissingProjectGongIsSilenceNotTheBuiltInOne)
{
    CSdlGeluidsmachine machine;
    for (const QString& strPad : { dir.filePath("weg.mp3"), QString() }) { // missing, or not found here
        machine.SpeelGong(SGong::Eigen(strPad));
        EXPECT_FALSE(machine.HuidigLoopt()) << qPrintable(strPad);
    }
}

// A looped sound counts as playing throughout, also between its end and its
// new start, where a gong key must silence it rather than start the gong.
TEST_F(Geluid, ALoopedSoundPlaysWithoutGaps)
{
    const QString strKort = Toon(dir.filePath("kort.wav"), 0.15, 0.5);
    CSdlGeluidsmachine machine;
    machine.SpeelItemGeluid(strKort, 100);
    machine.WisselHerhalen();
    int nNiet = 0;
    for (int i = 0; i < 60; ++i) {
        Wacht(10);
        nNiet += machine.HuidigLoopt() ? 0 : 1;
    }
    EXPECT_EQ(nNiet, 0);
    machine.SpeelGong(SGong::Ingebouwd());
    EXPECT_FALSE(machine.HuidigLoopt()) << "the gong key silenced the loop";
}

// A device lost while open, or chosen again, is opened anew for the next sound.
TEST_F(Geluid, ALostDeviceIsOpenedAgain)
{
    CSdlGeluidsmachine machine;
    machine.SpeelGong(SGong::Ingebouwd());
    ASSERT_EQ(machine.AantalOpeningen(), 1);
    machine.StopHuidig();
    machine.SpeelGong(SGong::Ingebouwd());
    EXPECT_EQ(machine.AantalOpeningen(), 1) << "an open device is kept";

    SDL_Event e {};
    e.type = SDL_AUDIODEVICEREMOVED;
    e.adevice.which = 2;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
    EXPECT_TRUE(machine.ApparaatVerdwenen()) << "seen while the gong plays";
    EXPECT_FALSE(machine.HuidigLoopt()) << "and the sound stopped";
    EXPECT_FALSE(machine.ApparaatVerdwenen()) << "said once";
    machine.SpeelGong(SGong::Ingebouwd());
    EXPECT_EQ(machine.AantalOpeningen(), 2) << "after a loss";
    EXPECT_TRUE(machine.HuidigLoopt());

    machine.StopHuidig();
    machine.KiesApparaat(QString()); // the same choice again
    machine.SpeelGong(SGong::Ingebouwd());
    EXPECT_EQ(machine.AantalOpeningen(), 3);
}

// A sound file cut short or deleted under the engine while it plays: the
// sound ends (at the cut, or when the already opened file is done), the
// engine plays the next sound, and nothing breaks.
TEST_F(Geluid, AFileCutOrDeletedWhilePlayingEndsTheSound)
{
    for (const bool bWissen : { false, true }) {
        const QString strToon = Toon(dir.filePath("lang.wav"), 4, 0.5);
        CSdlGeluidsmachine machine;
        machine.SpeelItemGeluid(strToon, 100);
        ASSERT_TRUE(machine.HuidigLoopt());
        Wacht(300);
        if (bWissen) {
            ASSERT_TRUE(QFile::remove(strToon));
        } else {
            QFile f(strToon);
            ASSERT_TRUE(f.resize(44 + nBytesPerSeconde / 4)); // the header and a little
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !machine.HuidigLoopt(); }, 6000)) << (bWissen ? "deleted" : "cut");
        machine.SpeelGong(SGong::Ingebouwd());
        EXPECT_TRUE(machine.HuidigLoopt()) << "the next sound plays";
        machine.StopHuidig();
    }
}

// The program loads the engine from its module at the first sound, not
// before; without the module it is silent.
TEST_F(Geluid, TheEngineModuleLoadsAtTheFirstSound)
{
    CUitgesteldGeluid echt({ QStringLiteral("/bestaat/niet.so"), QStringLiteral(ZB_GELUID_MODULE) }, {});
    echt.StopHuidig();
    EXPECT_FALSE(echt.HuidigLoopt());
    EXPECT_EQ(echt.Volume(), 1.0f);
    EXPECT_FALSE(echt.Geladen()) << "questions about a sound that never played load nothing";
    echt.SpeelGong(SGong::Ingebouwd());
    EXPECT_TRUE(echt.Geladen());
    EXPECT_TRUE(echt.HuidigLoopt()) << "the gong plays through the module";

    CUitgesteldGeluid zonder({ QStringLiteral("/bestaat/niet.so") }, {});
    zonder.SpeelGong(SGong::Ingebouwd());
    EXPECT_FALSE(zonder.HuidigLoopt()) << "silent without the module";
}
