#pragma once

#include "model/IProces.h"

#include <QString>

#include <memory>

// Opens what an item's action names outside the program: a program is
// started, any other file is opened with its default application. Never
// through a shell.
class IStarter {
public:
    virtual ~IStarter() = default;
    // The process to track, or null when none could be started or none can
    // be followed (a file handed to an application that was running already).
    virtual std::unique_ptr<IProces> Start(const QString& strPad, const QString& strOpties) = 0;
};

// This desktop's way: an executable file, or a bare name found on PATH, is
// started directly with the options split into arguments as a shell would
// quote them (but without one); any other file with the default
// application of its type that GIO knows, and without one by xdg-open,
// untracked.
class CSysteemStarter : public IStarter {
public:
    std::unique_ptr<IProces> Start(const QString& strPad, const QString& strOpties) override;

    // The program to start directly for a path, or empty when it is no program.
    static QString Programma(const QString& strPad);
};
