#pragma once

#include <QtGlobal>

// Geometry and colour values as the project file stores them. Rectangles
// keep right and bottom exclusive, so width = right - left; QRect's inclusive
// corners would make every rule below off by one.

using COLORREF = quint32; // red in the low byte: 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c)
{
    return int(c & 0xFF);
}
constexpr int GetGValue(COLORREF c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c)
{
    return int((c >> 16) & 0xFF);
}

struct CPoint {
    qint32 x = 0;
    qint32 y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    qint32 cx = 0;
    qint32 cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;

    qint32 Width() const { return right - left; }
    qint32 Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // Whether the two share any pixel; an empty rectangle overlaps nothing.
    bool Overlapt(const CRect& r) const
    {
        return !IsEmpty() && !r.IsEmpty() && left < r.right && r.left < right && top < r.bottom && r.top < bottom;
    }
    friend bool operator==(const CRect&, const CRect&) = default;
};
