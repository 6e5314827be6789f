#pragma once

#include <QStringList>

// The options that run without a window: --dump and --render.
namespace Opdrachtregel {

// Whether the arguments ask for one of the headless options.
bool IsDump(const QStringList& args);
bool IsRender(const QStringList& args);

// Carry them out; the result is the exit status.
int Dump(const QStringList& args);
int Render(const QStringList& args);

} // namespace Opdrachtregel
