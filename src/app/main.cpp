#include "Editor.h"
#include "Opdrachtregel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends the program with an abort when no window platform can be loaded
// (a display that cannot be reached), after warnings of its own; a user gets
// one line and status 1. The warnings of a start that succeeds are passed on.
bool g_bOpstarten = true;
QList<std::pair<QtMsgType, QString>> g_aOpstartMeldingen;

void BijMelding(QtMsgType type, const QMessageLogContext& context, const QString& strTekst)
{
    if (type == QtFatalMsg && g_bOpstarten) {
        std::fprintf(stderr, "%s\n", qPrintable(Opdrachtregel::GeenBeeldscherm()));
        std::_Exit(1);
    }
    if (g_bOpstarten) {
        g_aOpstartMeldingen.append({ type, strTekst });
        return;
    }
    qt_message_output(type, context, strTekst);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace Opdrachtregel;
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    const SOpdracht opdracht = Lees(args);
    switch (opdracht.soort) {
    case Soort::Hulp:
        std::fputs(qPrintable(Hulp()), stdout);
        return 0;
    case Soort::Versie:
        std::printf("%s\n", qPrintable(Versie()));
        return 0;
    case Soort::Fout:
        std::fprintf(stderr, "%s\n", qPrintable(opdracht.strFout));
        return 2;
    case Soort::Dump: {
        QCoreApplication app(argc, argv);
        return Dump(opdracht);
    }
    case Soort::Inpakken:
    case Soort::Uitpakken: {
        QCoreApplication app(argc, argv);
        return opdracht.soort == Soort::Inpakken ? Inpakken(opdracht) : Uitpakken(opdracht);
    }
    case Soort::Render:
    case Soort::Pdf: {
        // Drawing needs fonts but no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return opdracht.soort == Soort::Render ? Render(opdracht) : Pdf(opdracht);
    }
    case Soort::Editor:
        break;
    }
    if (!HeeftBeeldscherm()) {
        std::fprintf(stderr, "%s\n", qPrintable(GeenBeeldscherm()));
        return 1;
    }
    qInstallMessageHandler(BijMelding);
    QApplication app(argc, argv);
    g_bOpstarten = false;
    for (const auto& [type, strTekst] : g_aOpstartMeldingen)
        qt_message_output(type, QMessageLogContext(), strTekst);
    return StartEditor(app, opdracht.strProject);
}
