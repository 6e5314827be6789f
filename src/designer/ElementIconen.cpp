#include "ElementIconen.h"

#include "model/DataItemBasis.h"

#include <QPainter>

namespace ElementIconen {

// Drawn, so they look the same under every icon theme.
QIcon Icoon(int n)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    switch (n) {
    case Project: // a stack of pages
        p.setPen(QColor(60, 60, 60));
        p.setBrush(QColor(250, 230, 150));
        p.drawRect(4, 1, 10, 10);
        p.drawRect(1, 4, 10, 10);
        break;
    case Pagina: // a screen
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(70, 120, 200));
        p.drawRect(1, 2, 13, 10);
        p.drawLine(5, 14, 10, 14);
        break;
    case Tekst: { // the letter T
        QFont f = p.font();
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("T"));
        break;
    }
    case Afbeelding: // a landscape
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(150, 200, 250));
        p.drawRect(1, 2, 13, 11);
        p.setBrush(QColor(60, 150, 60));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({ QPoint(2, 13), QPoint(7, 6), QPoint(14, 13) }));
        break;
    default: // a colour area
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(220, 70, 50));
        p.drawEllipse(1, 1, 13, 13);
        break;
    }
    return QIcon(pm);
}

int Voor(const CDataItemBasis& element)
{
    if (element.m_nSoort == Soort::Project)
        return Project;
    if (element.m_nSoort == Soort::Pagina)
        return Pagina;
    return qBound(int(Tekst), element.m_nItemSoort + Tekst, int(Kleurvlak));
}

} // namespace ElementIconen
