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
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "show/SdlGeluidsmachine.h"
#include "show/Show.h"
#include "show/ShowBesturing.h"
#include "show/Starter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// With ZB_OPSTART_METEN set, the program reports how long it took until the
// main window's first paint, and ends.
class COpstartMeter : public QObject {
public:
    explicit COpstartMeter(const QElapsedTimer& klok)
        : m_klok(klok)
    {
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && !m_bGemeld) {
            m_bGemeld = true;
            std::printf("opstart tot eerste tekening: %.1f ms\n", double(m_klok.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(pObject, pEvent);
    }

private:
    const QElapsedTimer& m_klok;
    bool m_bGemeld = false;
};

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
    QElapsedTimer klok;
    klok.start();
    app.setApplicationName(QStringLiteral("Zerbantiko"));
    app.setOrganizationName(QStringLiteral("Morvek"));
    // Qt's own dialogs (open, save, print, colours) speak Dutch like the rest.
    QTranslator vertaling;
    if (vertaling.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&vertaling);
    Iconen::KiesThema();
    // Every window of the program, the show's and the viewer's too, carries
    // its icon; the theme's when installed, else the one built in.
    QIcon ikoon;
    for (const int nMaat : { 48, 64, 128, 256 })
        ikoon.addFile(QStringLiteral(":/ikoon/%1x%1/nl.morvek.Zerbantiko.png").arg(nMaat));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("nl.morvek.Zerbantiko"), ikoon));

    CZerbantikoDoc doc;
    CBerichtMelder berichten;
    CShowMelder melder(berichten);
    CBestandsDialoog kiezer;
    doc.SetMelder(&melder);
    doc.NieuwDocument();

    const CSysteemKlok systeemKlok;
    CSysteemStarter starter;
    CSdlGeluidsmachine geluid(Instellingen::GeluidsApparaat());
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
    COpstartMeter meter(klok);
    if (qEnvironmentVariableIsSet("ZB_OPSTART_METEN"))
        frame.Ontwerp()->installEventFilter(&meter);
    frame.show();
    // Work of a program that did not end well comes first.
    CHerstel herstel(doc);
    const bool bHersteld = !qEnvironmentVariableIsSet("ZB_OPSTART_METEN") && herstel.BiedAan(melder);
    if (!bHersteld && !strBestand.isEmpty())
        frame.OpenBestand(strBestand);
    return app.exec();
}
