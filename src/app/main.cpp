#include "Opdrachtregel.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

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
    std::fprintf(stderr,
        "Gebruik: zerbantiko --dump PROJECT.zb\n"
        "        zerbantiko --render PROJECT.zb --page N --size BxH --out pagina.png [--designer]\n");
    return 2;
}
