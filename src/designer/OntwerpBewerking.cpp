#include "OntwerpBewerking.h"

#include "model/DataItemBasis.h"

#include <Qt>

#include <algorithm>
#include <cmath>

namespace OntwerpBewerking {

namespace {

constexpr double dRaster = 10.0; // Ctrl+arrow snaps to multiples of 10 %
constexpr double dMarge = 0.1; // so an exact multiple does not snap to itself
constexpr double dMidden = 0.5;

double Begrens(double d)
{
    return std::clamp(d, 0.0, 100.0);
}

} // namespace

CRect Versleep(const CRect& r, int nGreep, int dx, int dy)
{
    CRect n = r;
    switch (nGreep) {
    case 1:
        n.left += dx, n.top += dy;
        break;
    case 2:
        n.right += dx, n.top += dy;
        break;
    case 3:
        n.right += dx, n.bottom += dy;
        break;
    case 4:
        n.left += dx, n.bottom += dy;
        break;
    case 5:
        n.left += dx;
        break;
    case 6:
        n.top += dy;
        break;
    case 7:
        n.right += dx;
        break;
    case 8:
        n.bottom += dy;
        break;
    case 0:
    case -1:
        n = { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
        break;
    default:
        break;
    }
    return n;
}

CRect Normaliseer(const CRect& r)
{
    return { std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
        std::max(r.top, r.bottom) };
}

double RondMaat(double d)
{
    return (std::round(d * 100.0) + 0.5) / 100.0; // std::round rounds halves away from zero
}

CDataItemVelden NaSlepen(
    const CDataItemBasis& item, const CDataItemBasis& project, const CRect& R, int W, int H, int nGreep)
{
    CDataItemVelden v = item;
    if (nGreep >= 0) {
        v.m_dBreedte = RondMaat(double(R.right - R.left) * 100.0 / W);
        v.m_dHoogte = RondMaat(double(R.bottom - R.top) * 100.0 / H);
    }
    const CDataItemBasis& uitlijning = item.m_bIndividueel ? item : project;
    switch (uitlijning.m_nAnkerH) {
    case Uitlijning::Begin:
        v.m_dAnkerX = double(R.left) * 100.0 / W;
        break;
    case Uitlijning::Midden:
        v.m_dAnkerX = (R.left + (R.right - R.left) * dMidden) * 100.0 / W;
        break;
    case Uitlijning::Eind:
        v.m_dAnkerX = double(R.right) * 100.0 / W;
        break;
    default:
        break;
    }
    switch (uitlijning.m_nAnkerV) {
    case Uitlijning::Begin:
        v.m_dAnkerY = 100.0 - double(R.top) * 100.0 / H;
        break;
    case Uitlijning::Midden:
        v.m_dAnkerY = 100.0 - (R.top + (R.bottom - R.top) * dMidden) * 100.0 / H;
        break;
    case Uitlijning::Eind:
        v.m_dAnkerY = 100.0 - double(R.bottom) * 100.0 / H;
        break;
    default:
        break;
    }
    v.m_dAnkerX = Begrens(v.m_dAnkerX);
    v.m_dAnkerY = Begrens(v.m_dAnkerY);
    return v;
}

double SnapOmhoog(double x, const std::vector<double>& aAnderen)
{
    double a = 100.0;
    for (double d : aAnderen) {
        if (d > x)
            a = std::min(a, d);
    }
    return std::min(a, (std::floor(x / dRaster) + 1) * dRaster);
}

double SnapOmlaag(double x, const std::vector<double>& aAnderen)
{
    double a = 0.0;
    for (double d : aAnderen) {
        if (d < x)
            a = std::max(a, d);
    }
    return std::max(a, std::floor((x - dMarge) / dRaster) * dRaster);
}

bool Toets(CDataItemVelden& v, int nToets, bool bShift, bool bCtrl, int n, const std::vector<double>& aAnkersX,
    const std::vector<double>& aAnkersY)
{
    switch (nToets) {
    case Qt::Key_Backspace:
        v.m_dAnkerX = v.m_dAnkerY = 50.0;
        return true;
    case Qt::Key_Home:
        if (bShift && !bCtrl)
            v.m_dAnkerY = 100.0;
        else
            v.m_dAnkerX = 0.0;
        return true;
    case Qt::Key_End:
        if (bShift && !bCtrl)
            v.m_dAnkerY = 0.0;
        else
            v.m_dAnkerX = 100.0;
        return true;
    case Qt::Key_Left:
        if (bCtrl)
            v.m_dAnkerX = SnapOmlaag(v.m_dAnkerX, aAnkersX);
        else if (bShift)
            v.m_dBreedte = std::max(0.0, v.m_dBreedte - n);
        else
            v.m_dAnkerX = std::max(0.0, v.m_dAnkerX - n);
        return true;
    case Qt::Key_Right:
        if (bCtrl)
            v.m_dAnkerX = SnapOmhoog(v.m_dAnkerX, aAnkersX);
        else if (bShift)
            v.m_dBreedte = std::min(100.0, v.m_dBreedte + n);
        else
            v.m_dAnkerX = std::min(100.0, v.m_dAnkerX + n);
        return true;
    case Qt::Key_Up:
        if (bCtrl)
            v.m_dAnkerY = SnapOmhoog(v.m_dAnkerY, aAnkersY);
        else if (bShift)
            v.m_dHoogte = std::min(100.0, v.m_dHoogte + n);
        else
            v.m_dAnkerY = std::min(100.0, v.m_dAnkerY + n);
        return true;
    case Qt::Key_Down:
        if (bCtrl)
            v.m_dAnkerY = SnapOmlaag(v.m_dAnkerY, aAnkersY);
        else if (bShift)
            v.m_dHoogte = std::max(0.0, v.m_dHoogte - n);
        else
            v.m_dAnkerY = std::max(0.0, v.m_dAnkerY - n);
        return true;
    default:
        return false;
    }
}

} // namespace OntwerpBewerking
