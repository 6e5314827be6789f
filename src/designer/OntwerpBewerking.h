#pragma once

#include "model/DataItemVelden.h"

#include <vector>

class CDataItemBasis;

// The designer's edits as rules on numbers, apart from the view.
namespace OntwerpBewerking {

// A rectangle changed by a drag of (dx, dy) on a handle: 1-4 the corners
// from top-left clockwise, 5-8 the left, top, right and bottom edges, 0 or
// -1 the whole rectangle.
CRect Versleep(const CRect& r, int nGreep, int dx, int dy);
// Left not above right, top not above bottom.
CRect Normaliseer(const CRect& r);

// A size in percent as the designer stores it: r = the value times 100
// rounded, halves away from zero; then (r + 0.5) / 100.
double RondMaat(double d);

// The item's fields after a drag that ended with its rectangle at R (page
// coordinates, normalised) on a page of W x H: the size when a handle or the
// whole item was grabbed, and the anchor on R by the item's alignment (the
// project's when the item follows the project).
CDataItemVelden NaSlepen(
    const CDataItemBasis& item, const CDataItemBasis& project, const CRect& R, int W, int H, int nGreep);

// Ctrl+arrow: the next multiple of 10 % or the nearest other anchor line in
// that direction, whichever is nearer.
double SnapOmhoog(double x, const std::vector<double>& aAnderen);
double SnapOmlaag(double x, const std::vector<double>& aAnderen);

// The item keys of the designer: Backspace, Home, End and the arrows, with
// Shift and Ctrl, n times; aAnkersX and aAnkersY the anchors of the page's
// items. False for a key that changes nothing here.
bool Toets(CDataItemVelden& v, int nToets, bool bShift, bool bCtrl, int n, const std::vector<double>& aAnkersX,
    const std::vector<double>& aAnkersY);

} // namespace OntwerpBewerking
