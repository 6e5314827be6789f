#include "Editor.h"

#include "BerichtMelder.h"
#include "Herstel.h"
#include "IBestandsKiezer.h"
#include "Iconen.h"
#include "Instellingen.h"
#include "MainFrame.h"
#include "ShowMelder.h"
#include "designer/ZerbantikoView.h"
#include "dialogs/EigenschappenDialogen.h"
#include "dialogs/IGong.h"
#include "dialogs/OpenBestandsDialoog.h"
#include "model/BeeldLading.h"
#include "model/ModulePaden.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/Starter.h"
#include "show/UitgesteldGeluid.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

// Runs work once, when the widget's first paint is done: what the first
// picture on screen does not need waits for it.
class CNaEersteTekening : public QObject {
public:
    explicit CNaEersteTekening(std::function<void()> werk)
        : m_werk(std::move(werk))
    {
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && m_werk) {
            // Posted now, run when the paint is over.
            QTimer::singleShot(0, this, std::exchange(m_werk, {}));
        }
        return QObject::eventFilter(pObject, pEvent);
    }

private:
    std::function<void()> m_werk;
};

// With ZB_OPSTART_METEN set, the program prints the moment its first paint
// was done on the system's monotonic clock (so that whoever started it can
// tell how long it took, loading the libraries included), and ends.
void MeldEersteTekening()
{
    timespec nu {};
    clock_gettime(CLOCK_MONOTONIC, &nu);
    std::printf("eerste tekening: %lld\n", static_cast<long long>(nu.tv_sec) * 1000000000LL + nu.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Every window of the program, the show's and the viewer's too, carries its
// icon; the theme's when installed, else the one built in.
void ZetIkoon(QApplication& app)
{
    QIcon ikoon;
    for (const int nMaat : { 48, 64, 128, 256 })
        ikoon.addFile(QStringLiteral(":/ikoon/%1x%1/nl.morvek.Zerbantiko.png").arg(nMaat));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("nl.morvek.Zerbantiko"), ikoon));
}

// The project dialog's gong buttons play through the show's sound.
class CShowGong : public IGong {
public:
    explicit CShowGong(CShow& show)
        : m_show(show)
    {
    }
    void SpeelGong(bool bIngebouwd) override { m_show.SpeelGong(bIngebouwd); }
    void StopGeluid() override { m_show.Geluid().StopHuidig(); }
    bool GeluidLoopt() override { return m_show.Geluid().HuidigLoopt(); }

private:
    CShow& m_show;
};

} // namespace

int StartEditor(QApplication& app, const QString& strProject)
{
    app.setApplicationName(QStringLiteral("Zerbantiko"));
    app.setOrganizationName(QStringLiteral("Morvek"));
    // Qt's own dialogs (open, save, print, colours) speak Dutch like the rest.
    QTranslator vertaling;
    if (vertaling.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&vertaling);
    Iconen::KiesThema();

    CZerbantikoDoc doc;
    CBerichtMelder berichten;
    CShowMelder melder(berichten);
    CBestandsDialoog kiezer;
    doc.SetMelder(&melder);
    doc.NieuwDocument();

    const CSysteemKlok systeemKlok;
    CSysteemStarter starter;
    CUitgesteldGeluid geluid(ModulePaden(QStringLiteral("zerbantiko-geluid.so")), Instellingen::GeluidsApparaat());
    CShow show(doc, systeemKlok, melder, starter, geluid);
    melder.SetShow(&show.Besturing());
    COpenBestandsDialoog openBestand;
    CShowGong gong(show);
    CEigenschappenDialogen dialogen(melder, openBestand, &gong);
    doc.SetEigenschappenDialogen(&dialogen);
    CMainFrame frame(doc, melder, kiezer, systeemKlok, &show);
    berichten.SetOuder(&frame);
    dialogen.SetOuder(&frame);
    const QString& strBestand = strProject;
    const bool bMeten = qEnvironmentVariableIsSet("ZB_OPSTART_METEN");
    CNaEersteTekening naEersteTekening([&app, bMeten] {
        if (bMeten)
            MeldEersteTekening();
        ZetIkoon(app);
        CBeeldLading::LaatAchtergrondToe();
    });
    frame.Ontwerp()->installEventFilter(&naEersteTekening);
    // The pictures of pages not on screen wait for the first paint.
    CBeeldLading::HoudAchtergrondTegen();
    frame.show();
    // Work of a program that did not end well comes first.
    CHerstel herstel(doc);
    const bool bHersteld = !bMeten && herstel.BiedAan(melder);
    if (!bHersteld && !strBestand.isEmpty())
        frame.OpenBestand(strBestand);
    return app.exec();
}
