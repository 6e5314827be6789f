#include "AnkerBeeld.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int nRaster = 3;
constexpr int nZijde = 30; // pixels; the square grid the picture fills
const QColor clrAnker(0, 0, 255);
} // namespace

CAnkerBeeld::CAnkerBeeld(QWidget* pOuder)
    : QWidget(pOuder)
{
    setFixedSize(nZijde, nZijde);
}

void CAnkerBeeld::ZetAnker(int nH, int nV)
{
    const int nNieuw = nRaster * std::clamp(nH, 0, nRaster - 1) + std::clamp(nV, 0, nRaster - 1);
    if (nNieuw != m_nBeeld) {
        m_nBeeld = nNieuw;
        update();
    }
}

QSize CAnkerBeeld::sizeHint() const
{
    return { nZijde, nZijde };
}

void CAnkerBeeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int nCel = nZijde / nRaster;
    const int nKolom = m_nBeeld / nRaster;
    const int nRij = m_nBeeld % nRaster;
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(0, 0, nZijde - 1, nZijde - 1);
    const QColor clr = isEnabled() ? clrAnker : palette().color(QPalette::Disabled, QPalette::WindowText);
    p.fillRect(nKolom * nCel + 2, nRij * nCel + 2, nCel - 4, nCel - 4, clr);
}
