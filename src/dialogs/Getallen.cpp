#include "Getallen.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cmath>

namespace Getallen {

namespace {
constexpr double dProcentMin = 0.0;
constexpr double dProcentMax = 100.0;

bool IsBlanco(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

double LeesGetal(const QString& strTekst)
{
    QString str = strTekst;
    str.replace(QLatin1Char(','), QLatin1Char('.'));
    qsizetype i = 0;
    while (i < str.size() && str[i].isSpace())
        ++i;
    const qsizetype nBegin = i;
    if (i < str.size() && (str[i] == QLatin1Char('+') || str[i] == QLatin1Char('-')))
        ++i;
    bool bCijfers = false;
    while (i < str.size() && str[i] >= QLatin1Char('0') && str[i] <= QLatin1Char('9')) {
        ++i;
        bCijfers = true;
    }
    if (i < str.size() && str[i] == QLatin1Char('.')) {
        ++i;
        while (i < str.size() && str[i] >= QLatin1Char('0') && str[i] <= QLatin1Char('9')) {
            ++i;
            bCijfers = true;
        }
    }
    if (!bCijfers)
        return 0.0;
    return str.mid(nBegin, i - nBegin).toDouble();
}

int LeesGeheel(const QString& strTekst)
{
    static const QRegularExpression reGeheel(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch m = reGeheel.match(strTekst);
    if (!m.hasMatch())
        return 0;
    bool bOk = false;
    const qlonglong n = m.captured(1).toLongLong(&bOk);
    if (!bOk) // more digits than an int holds
        return m.captured(1).startsWith(QLatin1Char('-')) ? INT_MIN : INT_MAX;
    return int(std::clamp<qlonglong>(n, INT_MIN, INT_MAX));
}

double Procent(double d)
{
    return MetEenDecimaal(std::clamp(d, dProcentMin, dProcentMax)).toDouble();
}

QString MetEenDecimaal(double d, QChar cScheiding)
{
    QString str = QString::asprintf("%.1f", d);
    if (cScheiding != QLatin1Char('.'))
        str.replace(QLatin1Char('.'), cScheiding);
    return str;
}

std::optional<double> LeesStriktGetal(const QString& strTekst)
{
    qsizetype nBegin = 0;
    qsizetype nEind = strTekst.size();
    while (nBegin < nEind && IsBlanco(strTekst[nBegin]))
        ++nBegin;
    while (nEind > nBegin && IsBlanco(strTekst[nEind - 1]))
        --nEind;
    static const QRegularExpression reGetal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString strKern = strTekst.mid(nBegin, nEind - nBegin);
    if (!reGetal.match(strKern).hasMatch())
        return std::nullopt;
    const double d = strKern.toDouble();
    if (!std::isfinite(d)) // "1e999"
        return std::nullopt;
    // A zero written without its leading 0 (".0") is not a number here.
    if (d == 0.0) {
        const qsizetype nCijfer = strKern.indexOf(QRegularExpression(QStringLiteral("[0-9.]")));
        if (nCijfer < 0 || strKern[nCijfer] != QLatin1Char('0'))
            return std::nullopt;
    }
    return d;
}

bool IsProcent(double d)
{
    return d >= dProcentMin && d <= dProcentMax;
}

QString KortGetal(double d)
{
    return QString::number(d, 'g', 15);
}

} // namespace Getallen
