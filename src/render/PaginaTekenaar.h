#pragma once

#include "Tekenaar.h"
#include "model/DataItemVelden.h"
#include "model/Types.h"

#include <QHash>
#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

class CDataItemBasis;
class CDataItemPagina;
class CDataItemProject;
class CPicture;
class IKlok;

// Draws one page as the presentation window or the designer shows it, and
// records where every item ended up. Each window has its own composer, so
// fonts and rectangle tables are never shared between windows.
class CPaginaTekenaar {
public:
    enum class Variant { Presentatie, Ontwerp };

    // The text fields read the clock given here.
    CPaginaTekenaar(Variant variant, const IKlok& klok, CTekenaar::Methode methode = CTekenaar::Methode::Snel);

    // The project's name that "[N]" shows (as copied at the last start of a show).
    void SetProjectNaam(const QString& strNaam) { m_strProjectNaam = strNaam; }

    // The page bitmap's size is W x H. pGeselecteerd is the document's
    // selection, which the designer's frames and indicator follow.
    void DrawPage(QImage& bitmap, CDataItemPagina& pagina, const CDataItemBasis* pGeselecteerd = nullptr);
    void DrawSelectionIndicator(QImage& bitmap, const CDataItemPagina& pagina, const CDataItemProject& project,
        const CDataItemBasis* pGeselecteerd = nullptr);

    // Starts scaling, on worker threads, the pictures that drawing the page
    // at W x H will need, so that its first paint finds them ready.
    static void BereidVoor(CDataItemPagina& pagina, int W, int H);

    // The client area of a window before the page goes in: grey with a black
    // outline. The output rectangle for the monitor's shape is stored in the
    // project (size and rectangle), as every window's paint does, and returned.
    static QImage TekenVenster(const QSize& client, const CRect& monitor, CDataItemProject& project, CRect& uitvoer);
    // Only the output rectangle, stored into the project as TekenVenster does.
    static CRect Uitvoer(const QSize& client, const CRect& monitor, CDataItemProject& project);

    // Entry i: the rectangle item i of the last drawn page covered.
    const std::vector<CRect>& ItemRechthoeken() const { return m_aItemRect; }
    const CRect& AchtergrondRect() const { return m_rectAchtergrond; }
    // The output height the fonts are built for; 0 (the default) takes the
    // page bitmap's height. Fonts are kept per item for this window only and
    // rebuilt when the item's font fields or this height change.
    void SetFontHoogte(int cy) { m_nFontHoogte = cy; }
    // The font the item was last drawn with in this window; null if none.
    const QFont* Font(const CDataItemBasis& item) const;

    // The designer's own marks, called after each active item is drawn with
    // the item's target and drawn rectangles.
    std::function<void(CTekenaar&, CDataItemBasis& item, const CRect& doel, const CRect& getekend)> m_naItem;

private:
    void TekenAchtergrond(CTekenaar& t, CDataItemPagina& pagina);
    void TekenTekst(CTekenaar& t, CDataItemBasis& item, const CDataItemPagina& pagina, bool bGeselecteerd);
    void TekenAfbeeldingItem(CTekenaar& t, CDataItemBasis& item, bool bGeselecteerd);
    void TekenKleurvlak(CTekenaar& t, CDataItemBasis& item, const CDataItemPagina& pagina, bool bGeselecteerd);
    void TekenRand(CTekenaar& t, const CDataItemBasis& item, const CRect& r);
    void TekenKlikkader(CTekenaar& t, const CDataItemBasis& item, const CDataItemPagina& pagina, bool bEllips);

    Variant m_variant;
    const IKlok& m_klok;
    QString m_strProjectNaam;
    CTekenaar::Methode m_methode;
    const QFont* FontVoor(const CDataItemBasis& item, int cy);

    // An item's font with the fields and the height it was built from.
    struct SFont {
        QString strLettertype;
        double dLettergrootte = 0;
        BOOL bVet = 0, bCursief = 0, bOnderlijnen = 0, bDoorhalen = 0;
        int cy = -1; // none built yet
        QFont font;
    };
    QHash<const CDataItemBasis*, SFont> m_fonts;
    int m_nFontHoogte = 0;
    std::vector<CRect> m_aItemRect;
    CRect m_rectAchtergrond;
};

// The page's background alone in a rectangle of a dialog: colour, picture by
// its fit mode and colour layer, outlined in black; no items.
void DrawPageBackgroundPreview(QImage& doel, const CRect& r, COLORREF clrAchtergrond, const CPicture& picture,
    int nManier, COLORREF clrLaag, int nDekkingLaag);
