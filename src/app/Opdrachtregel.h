#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks for. Everything but the editor runs without a
// display and without loading a window platform.
namespace Opdrachtregel {

enum class Soort {
    Editor, // with a project to open, or none
    Hulp, // --help
    Versie, // --version
    Dump,
    Render,
    Inpakken, // --pack
    Uitpakken, // --unpack
    Pdf, // --pdf
    Fout, // a message on standard error and status 2
};

struct SOpdracht {
    Soort soort = Soort::Editor;
    QString strProject;
    // --render
    int nPagina = 0;
    QSize maat;
    QString strUit;
    bool bOntwerp = false;
    // --pack: strProject into strUit; --unpack: strProject (the package)
    // into strUit (a folder); --pdf: strProject into strUit.
    bool bZonderOntbrekende = false;
    // Soort::Fout: the one-line message.
    QString strFout;
};

// Reads the arguments (the program's name first).
SOpdracht Lees(const QStringList& args);
// The Dutch usage text of --help.
QString Hulp();
// "Zerbantiko 2.0.1.72".
QString Versie();

// Carry them out; the result is the exit status.
int Dump(const SOpdracht& opdracht);
int Render(const SOpdracht& opdracht);
int Inpakken(const SOpdracht& opdracht); // 3 when files are missing and that was not allowed
int Uitpakken(const SOpdracht& opdracht);
int Pdf(const SOpdracht& opdracht);

// Whether a window can be shown: a display of X or Wayland, or a platform
// chosen by QT_QPA_PLATFORM.
bool HeeftBeeldscherm();
// The one line said when the editor is started without one.
QString GeenBeeldscherm();

} // namespace Opdrachtregel
