#pragma once

#include <QString>

// Whether a path names a picture or a sound, judged by its extension alone.
// The extension (with its dot) only has to occur somewhere in the list, so
// upper case counts and a shortened ".jp" still matches.
bool IsImageFile(const QString& strPad);
bool IsSoundFile(const QString& strPad);
