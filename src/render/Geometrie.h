#pragma once

#include "model/Types.h"

class CDataItemBasis;

// Percentages of an element turned into pixel rectangles on a page bitmap of
// W x H pixels. Rectangles keep right and bottom exclusive; "div 2" is
// integer division truncating toward zero, as everywhere in these rules.
namespace Geometrie {

// Converts a double to an integer by truncation; out-of-range values and NaN
// (from a zero-sized area) are clamped instead of being undefined.
int Trunc(double d);

// A file may hold any number where a percentage belongs (huge, negative, not
// a number); the reader keeps them. These bring them, where they are used,
// to what a page can show, so the pixel arithmetic stays in range:
// positions and sizes to -1000..1000 (far off the page either way), widths
// of borders and the selection indicator to 0..100; not a number is 0.
double PlaatsProcent(double d);
double DikteProcent(double d);

// The largest rectangle with the monitor's aspect ratio centred in the client area.
CRect ComputeOutputRect(const CRect& client, const CRect& monitor);

// The picture (pw x ph, any unit) fitted inside, respectively covering, r.
CRect FitRect(const CRect& r, double pw, double ph);
CRect CoverRect(const CRect& r, double pw, double ph);
// The part of the picture, in its own units from its top-left corner, that
// "zoom from the middle" shows in the target.
CRect ZoomSource(const CRect& doel, double pw, double ph);

// Stores the anchor point in pixels; the vertical anchor counts upwards from the bottom edge.
void ComputeAnchor(CDataItemBasis& item, int W, int H);
// Content of w x h pixels aligned on the anchor (m_ptAnker) by m_nAnkerH and m_nAnkerV.
CRect ItemRect(const CDataItemBasis& item, int w, int h);
// A colour area, anchor already computed: size, square shapes, full width and extent.
CRect KleurvlakRect(const CDataItemBasis& item, int W, int H);
// An image item's target rectangle T (anchor already computed).
CRect AfbeeldingRect(const CDataItemBasis& item, int W, int H);
// Where a picture of pw x ph lands for fit mode 0 in an item's target T:
// fitted, then moved toward the anchor side.
CRect AfbeeldingPassend(const CDataItemBasis& item, const CRect& doel, double pw, double ph);
// The band rectangle for a colour layer of extent nMaat around r; false when
// the extent draws nothing.
bool Band(int nMaat, const CRect& r, int W, int H, CRect& band);
// Half the border width: t = trunc(width% / 200 * min(W, H)).
int BorderHalfWidth(const CDataItemBasis& item, int W, int H);

} // namespace Geometrie
