#include "Geometrie.h"

#include "model/DataItemBasis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Geometrie {

int Trunc(double d)
{
    if (std::isnan(d))
        return 0;
    constexpr double dMax = std::numeric_limits<int>::max();
    constexpr double dMin = std::numeric_limits<int>::min();
    if (d >= dMax)
        return std::numeric_limits<int>::max();
    if (d <= dMin)
        return std::numeric_limits<int>::min();
    return int(d);
}

namespace {

constexpr double dPlaatsMax = 1000.0;
constexpr double dDikteMax = 100.0;

} // namespace

double PlaatsProcent(double d)
{
    return std::isnan(d) ? 0.0 : std::clamp(d, -dPlaatsMax, dPlaatsMax);
}

double DikteProcent(double d)
{
    return std::isnan(d) ? 0.0 : std::clamp(d, 0.0, dDikteMax);
}

namespace {

int Div2(int n)
{
    return n / 2; // C++ division truncates toward zero
}

bool GelijkOfOngeldig(const CRect& r, double pw, double ph, double& ra, double& pa)
{
    if (r.bottom == r.top || ph == 0)
        return true;
    ra = double(r.right - r.left) / double(r.bottom - r.top);
    pa = pw / ph;
    return ra == pa;
}

} // namespace

CRect ComputeOutputRect(const CRect& client, const CRect& monitor)
{
    return FitRect(client, monitor.Width(), monitor.Height());
}

CRect FitRect(const CRect& r, double pw, double ph)
{
    double ra = 0, pa = 0;
    if (GelijkOfOngeldig(r, pw, ph, ra, pa))
        return r;
    if (ra < pa) {
        const int nh = Trunc(double(r.bottom - r.top) * ra / pa);
        const int top = r.top + Div2(r.bottom - r.top - nh);
        return { r.left, top, r.right, top + nh };
    }
    const int nw = Trunc(double(r.right - r.left) * pa / ra);
    const int left = r.left + Div2((r.right - r.left) - nw);
    return { left, r.top, left + nw, r.bottom };
}

CRect CoverRect(const CRect& r, double pw, double ph)
{
    double ra = 0, pa = 0;
    if (GelijkOfOngeldig(r, pw, ph, ra, pa))
        return r;
    if (ra < pa) {
        const int nw = Trunc(double(r.right - r.left) * pa / ra);
        const int left = r.left - Div2(nw - (r.right - r.left));
        return { left, r.top, left + nw, r.bottom };
    }
    const int nh = Trunc(double(r.bottom - r.top) * ra / pa);
    const int top = r.top - Div2(nh - (r.bottom - r.top));
    return { r.left, top, r.right, top + nh };
}

CRect ZoomSource(const CRect& doel, double pw, double ph)
{
    const CRect c = CoverRect(doel, pw, ph);
    const int dw = doel.Width(), dh = doel.Height();
    const int cw = c.Width(), ch = c.Height();
    if (cw == 0 || ch == 0)
        return { 0, 0, Trunc(pw), Trunc(ph) };
    const int sl = Trunc(double(Div2(cw - dw)) * pw / cw);
    const int st = Trunc(ph * double(Div2(ch - dh)) / ch);
    // A picture one pixel thin still shows its one pixel, stretched.
    const int sr = sl + qMax(1, Trunc(double(dw) * pw / cw));
    const int sb = st + qMax(1, Trunc(ph * double(dh) / ch));
    return { sl, st, sr, sb };
}

void ComputeAnchor(CDataItemBasis& item, int W, int H)
{
    item.m_ptAnker.x = Trunc(W * PlaatsProcent(item.m_dAnkerX) / 100);
    item.m_ptAnker.y = H - Trunc(H * PlaatsProcent(item.m_dAnkerY) / 100);
}

namespace {

CRect Uitlijnen(const CDataItemBasis& item, int x, int y, int w, int h)
{
    CRect r;
    switch (item.m_nAnkerH) {
    case Uitlijning::Midden:
        r.left = x - Div2(w);
        break;
    case Uitlijning::Eind:
        r.left = x - w;
        break;
    default:
        r.left = x;
        break;
    }
    switch (item.m_nAnkerV) {
    case Uitlijning::Midden:
        r.top = y - Div2(h);
        break;
    case Uitlijning::Eind:
        r.top = y - h;
        break;
    default:
        r.top = y;
        break;
    }
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

} // namespace

CRect ItemRect(const CDataItemBasis& item, int w, int h)
{
    return Uitlijnen(item, item.m_ptAnker.x, item.m_ptAnker.y, w, h);
}

CRect KleurvlakRect(const CDataItemBasis& item, int W, int H)
{
    int w = Trunc(W * PlaatsProcent(item.m_dBreedte) / 100 + 0.5);
    const int h = (item.m_nVorm & Vorm::GelijkeZijden) ? w : Trunc(H * PlaatsProcent(item.m_dHoogte) / 100 + 0.5);
    int x = item.m_ptAnker.x;
    if (item.m_bVolleBreedte) {
        x = 0;
        w = W;
    }
    CRect r = Uitlijnen(item, x, item.m_ptAnker.y, w, h);
    if (item.m_nKleurvlakMaat == BandMaat::VolleBreedte) {
        r.left = 0;
        r.right = W;
    } else if (item.m_nKleurvlakMaat == BandMaat::VolleHoogte) {
        r.top = 0;
        r.bottom = H;
    }
    return r;
}

CRect AfbeeldingRect(const CDataItemBasis& item, int W, int H)
{
    const int w = Trunc(W * PlaatsProcent(item.m_dBreedte) / 100 + 1.0);
    const int h = Trunc(H * PlaatsProcent(item.m_dHoogte) / 100 + 1.0);
    return ItemRect(item, w, h);
}

CRect AfbeeldingPassend(const CDataItemBasis& item, const CRect& doel, double pw, double ph)
{
    CRect f = FitRect(doel, pw, ph);
    if (f == doel)
        return f;
    const int w = f.Width(), h = f.Height();
    if (item.m_nAnkerH == Uitlijning::Begin)
        f.left = doel.left;
    else if (item.m_nAnkerH == Uitlijning::Eind)
        f.left = doel.right - w;
    if (item.m_nAnkerV == Uitlijning::Begin)
        f.top = doel.top;
    else if (item.m_nAnkerV == Uitlijning::Eind)
        f.top = doel.bottom - h;
    f.right = f.left + w;
    f.bottom = f.top + h;
    return f;
}

bool Band(int nMaat, const CRect& r, int W, int H, CRect& band)
{
    switch (nMaat) {
    case BandMaat::Eigen:
        band = r;
        return true;
    case 1:
        band = { 0, r.top, W, r.bottom };
        return true;
    case 2:
        band = { r.left, 0, r.right, H };
        return true;
    default:
        return false;
    }
}

int BorderHalfWidth(const CDataItemBasis& item, int W, int H)
{
    return Trunc(DikteProcent(item.m_dRandbreedte) / 200 * qMin(W, H));
}

} // namespace Geometrie
