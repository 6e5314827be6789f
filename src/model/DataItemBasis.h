#pragma once

#include "DataItemVelden.h"
#include "Picture.h"

#include <QFont>

#include <memory>
#include <optional>
#include <vector>

class CZerbantikoDoc;
class IMelder;
class IProces;

// The one record behind the project, its pages and their items. Which fields
// matter depends on m_nSoort (and m_nItemSoort for items); the kinds differ
// only in the few virtual operations below.
class CDataItemBasis : public CDataItemVelden {
public:
    CDataItemBasis();
    virtual ~CDataItemBasis();
    CDataItemBasis(const CDataItemBasis&) = delete;
    CDataItemBasis& operator=(const CDataItemBasis&) = delete;

    // The class name as the project file records it.
    virtual const char* GetKlasseNaam() const { return "CDataItemBasis"; }

    virtual void ResetToDefaults();
    virtual void InitTemplate() { }
    // Deep copy from a source into a newly created element; the copy shares
    // the source's decoded picture. Throws std::bad_alloc when memory runs out.
    virtual void CopyFrom(const CDataItemBasis& bron);
    // CopyFrom without touching the children.
    virtual void CopyValues(const CDataItemBasis& bron);
    // Copies the styling of a template item; name, anchor, flags and action stay.
    virtual void ApplyTemplate(const CDataItemBasis& sjabloon);
    virtual QString GetSoortNaam() const;
    virtual std::unique_ptr<CDataItemBasis> Clone() const;
    virtual void VoerActieUit(int nPositie);
    virtual int ToonEigenschappen(CZerbantikoDoc* pDoc);

    CDataItemBasis* GetKind(int i) const;
    int AantalKinderen() const { return int(m_aKinderen.size()); }
    const std::vector<std::unique_ptr<CDataItemBasis>>& Kinderen() const { return m_aKinderen; }

    // Index of the first child of that name, letter case ignored; -1 if none.
    int FindKindByNaam(const QString& strNaam) const;
    int Hernummer();
    int VoegKindToe(std::unique_ptr<CDataItemBasis> pKind);
    void VoegKindIn(int nPositie, std::unique_ptr<CDataItemBasis> pKind);
    void VoegKindInNa(int nPositie, std::unique_ptr<CDataItemBasis> pKind);
    // Takes child i out of the list (renumbering the rest); null when out of range.
    std::unique_ptr<CDataItemBasis> NeemKindWeg(int i);
    // Replaces the whole child list, as loading a file does.
    void VervangKinderen(std::vector<std::unique_ptr<CDataItemBasis>> aKinderen);
    // Exchanges content and children with another element of the same role,
    // so a project loaded aside can take the place of the open one.
    void Verwissel(CDataItemBasis& ander);

    // The font a text item is drawn with on an output cy pixels high (Verdana
    // when no face is stored); none for other elements. Each window keeps
    // the fonts for its own size.
    std::optional<QFont> TekstFont(int cy) const;
    // The project this element belongs to (itself for a project), or null.
    const CDataItemBasis* GetProject() const;

    qint32 m_nIndex = -1;
    CDataItemBasis* m_pOuder = nullptr; // not owned
    CPicture m_picture;
    // The program the item's last action started; it ends with the item.
    std::unique_ptr<IProces> m_pProces;
    // Set when the item's action showed its picture in the image viewer.
    bool m_bViewerGeopend = false;

protected:
    void KopieerVelden(const CDataItemBasis& bron);

private:
    std::vector<std::unique_ptr<CDataItemBasis>> m_aKinderen;
};

// Character height in pixels for a font size in percent at a target height cy:
// x = trunc(cy * 0.6 * size / 100), then x * 96 / 72 rounded to nearest.
int FontPixelHeight(int cy, double dLettergrootte);

// Shows the out-of-memory message for a failed copy of an element of that
// class (on standard error without a melder) and ends the program.
[[noreturn]] void GeheugenTekortBijKopie(IMelder* pMelder, const char* szKlasse);
