#include "DlgSjabloon.h"

#include "LettertypeLijst.h"
#include "Tooltips.h"
#include "model/DataItemBasis.h"
#include "model/Hints.h"
#include "model/ZerbantikoDoc.h"

#include <QAbstractButton>

CDlgSjabloon::CDlgSjabloon(CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, QWidget* pOuder)
    : CVeldenDialoog(melder, pOuder)
    , m_sjabloon(sjabloon)
    , m_doc(doc)
    , m_pKopie(sjabloon.Clone())
{
    m_pVelden = m_pKopie.get();
    m_bStriktRand = true;
}

CDlgSjabloon::~CDlgSjabloon() = default;

void CDlgSjabloon::Open(std::span<const SKoppeling> aTabel)
{
    ZetIconen();
    ZetTooltips(Tooltips());
    VulVasteLijsten(Control("lettertype") ? ItemSoort::Tekst : ItemSoort::Afbeelding);
    if (auto* pLijst = Control<CLettertypeLijst>("lettertype"); pLijst && pLijst->count() > 0)
        pLijst->setCurrentIndex(0);
    Koppel(aTabel, *m_pKopie);
    if (auto* p = Control<QAbstractButton>("ok"))
        connect(p, &QAbstractButton::clicked, this, &CDlgSjabloon::accept);
    if (auto* p = Control<QAbstractButton>("annuleren"))
        connect(p, &QAbstractButton::clicked, this, &CDlgSjabloon::reject);
    WisselUit(false);
}

void CDlgSjabloon::accept()
{
    if (!WisselUit(true))
        return; // the message has been shown; the dialog stays open
    if (!(static_cast<const CDataItemVelden&>(*m_pKopie) == m_sjabloon))
        m_doc.WijzigVelden(m_sjabloon, *m_pKopie, Hint::Uiterlijk, windowTitle());
    CVeldenDialoog::accept();
}
