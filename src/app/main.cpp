#include "Editor.h"
#include "Opdrachtregel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (Opdrachtregel::IsDump(args)) {
        QCoreApplication app(argc, argv);
        return Opdrachtregel::Dump(args);
    }
    if (Opdrachtregel::IsRender(args)) {
        // Drawing needs fonts but no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return Opdrachtregel::Render(args);
    }
    QApplication app(argc, argv);
    return StartEditor(app, args);
}
