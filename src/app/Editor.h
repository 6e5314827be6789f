#pragma once

#include <QString>

class QApplication;

// Starts the editor: the document, the main window, and the project named on
// the command line, if any (when it cannot be opened, its message is shown
// and the program starts with a new project). Returns the event loop's exit
// status.
int StartEditor(QApplication& app, const QString& strProject);
