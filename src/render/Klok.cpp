#include "Klok.h"

#include <QDateTime>

IKlok::SDatum CSysteemKlok::Datum() const
{
    const QDate d = QDate::currentDate();
    return { d.day(), d.month(), d.year() };
}

std::optional<IKlok::STijd> CSysteemKlok::Tijd() const
{
    const QTime t = QTime::currentTime();
    if (!t.isValid())
        return std::nullopt;
    return STijd { t.hour(), t.minute(), t.second() };
}
