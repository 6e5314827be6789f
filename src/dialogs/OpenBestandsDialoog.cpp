#include "OpenBestandsDialoog.h"

#include "Modaal.h"

#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

QString COpenBestandsDialoog::QtFilter(const QString& strFilter)
{
    const QStringList aDelen = strFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList aFilters;
    for (qsizetype i = 0; i + 1 < aDelen.size(); i += 2) {
        // Qt takes the patterns from between the brackets of the description.
        QString strPatronen = aDelen[i + 1];
        strPatronen.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" meant every file on Windows; here it would hide the files
        // without a dot in their name, such as most programs.
        QStringList aPatronen = strPatronen.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        std::replace(aPatronen.begin(), aPatronen.end(), QStringLiteral("*.*"), QStringLiteral("*"));
        strPatronen = aPatronen.join(QLatin1Char(' '));
        QString strNaam = aDelen[i];
        const qsizetype nHaak = strNaam.indexOf(QLatin1Char('('));
        if (nHaak >= 0)
            strNaam.truncate(nHaak);
        aFilters << strNaam.trimmed() + QStringLiteral(" (") + strPatronen.simplified() + QLatin1Char(')');
    }
    return aFilters.join(QStringLiteral(";;"));
}

QString COpenBestandsDialoog::Kies(QWidget* pOuder, const QString& strBegin, const QString& strFilter)
{
    const QFileInfo begin(strBegin);
    const QString strMap = strBegin.isEmpty() ? QString() : begin.absoluteFilePath();
    QFileDialog dlg(pOuder, QString(), strMap, QtFilter(strFilter));
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (ToonModaal(dlg) != QDialog::Accepted)
        return QString();
    return dlg.selectedFiles().value(0);
}
