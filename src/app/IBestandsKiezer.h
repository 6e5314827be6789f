#pragma once

#include <QString>

class QWidget;

// Asks the user for a project file to open or a name to save under; empty
// when cancelled. Tests put their own answers in its place.
class IBestandsKiezer {
public:
    virtual ~IBestandsKiezer() = default;
    virtual QString KiesOpen(QWidget* pOuder) = 0;
    virtual QString KiesOpslaan(QWidget* pOuder, const QString& strVoorstel) = 0;
    // Any other file to write (a package, a PDF) or a folder to make;
    // strKnop names the button that accepts.
    virtual QString KiesDoel(QWidget*, const QString& /*strTitel*/, const QString& /*strKnop*/,
        const QString& /*strFilter*/, const QString& /*strVoorstel*/)
    {
        return {};
    }
};

class CBestandsDialoog : public IBestandsKiezer {
public:
    QString KiesOpen(QWidget* pOuder) override;
    QString KiesOpslaan(QWidget* pOuder, const QString& strVoorstel) override;
    QString KiesDoel(QWidget* pOuder, const QString& strTitel, const QString& strKnop, const QString& strFilter,
        const QString& strVoorstel) override;
};
