#include "DlgSjabloonPagina.h"

#include "IOpenBestand.h"
#include "KleurKnop.h"
#include "model/DataItemBasis.h"
#include "model/ZerbantikoDoc.h"
#include "ui_DlgSjabloonPagina.h"

#include <QComboBox>
#include <QSlider>

namespace {

using V = CDataItemVelden;
using G = CVeldenDialoog::Gedrag;

constexpr int nBand = CVeldenDialoog::BandHoogte::nSjabloonPagina;

const CVeldenDialoog::SKoppeling aSjabloonPagina[] = {
    { "achtergrondKleur", &V::m_clrKleurvlak, G::Gewoon, nBand },
    { "afbeelding", &V::m_strAfbeelding },
    { "manierVanTonen", &V::m_nManierVanTonen },
    { "kleurlaagKleur", &V::m_clrKleurlaag, G::Gewoon, nBand },
    { "kleurlaagDekking", &V::m_nDekkingKleurlaag },
    { "clipping", &V::m_bClipping },
    { "klikgebieden", &V::m_bKlikgebiedenMarkeren },
    { "ankerpunten", &V::m_bAnkerpuntenTonen },
    { "selectiePositie", &V::m_nSelectiePositie },
    { "randKleur", &V::m_clrRand, G::Gewoon, nBand },
    { "randbreedte", &V::m_dRandbreedte, G::Rand },
};

} // namespace

CDlgSjabloonPagina::CDlgSjabloonPagina(
    CDataItemBasis& sjabloon, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder)
    : CDlgSjabloon(sjabloon, doc, melder, pOuder)
    , m_pUi(std::make_unique<Ui::DlgSjabloonPagina>())
    , m_kiezer(kiezer)
{
    m_pUi->setupUi(this);
    Open(aSjabloonPagina);
    m_pUi->voorbeeld->ZetPagina(m_pKopie.get());
    m_pUi->wisAfbeelding->setEnabled(!m_pKopie->m_strAfbeelding.isEmpty());
    // The preview follows what shows in it.
    connect(m_pUi->manierVanTonen, &QComboBox::activated, this, &CDlgSjabloonPagina::Bijgewerkt);
    connect(m_pUi->kleurlaagDekking, &QSlider::valueChanged, this, &CDlgSjabloonPagina::Bijgewerkt);
    connect(m_pUi->achtergrondKleur, &CKleurKnop::kleurGekozen, this, &CDlgSjabloonPagina::Bijgewerkt);
    connect(m_pUi->kleurlaagKleur, &CKleurKnop::kleurGekozen, this, &CDlgSjabloonPagina::Bijgewerkt);
    connect(m_pUi->kiesAfbeelding, &QAbstractButton::clicked, this, &CDlgSjabloonPagina::KiesAfbeelding);
    connect(m_pUi->wisAfbeelding, &QAbstractButton::clicked, this, &CDlgSjabloonPagina::WisAfbeelding);
}

CDlgSjabloonPagina::~CDlgSjabloonPagina() = default;

void CDlgSjabloonPagina::Bijgewerkt()
{
    if (m_bLaden)
        return;
    WisselUit(true);
    m_pUi->wisAfbeelding->setEnabled(!m_pKopie->m_strAfbeelding.isEmpty());
    m_pUi->voorbeeld->update();
}

void CDlgSjabloonPagina::KiesAfbeelding()
{
    BewaarDoeLaad([this] {
        const QString strPad
            = m_kiezer.Kies(this, m_pKopie->m_strAfbeelding, QString::fromUtf8(BestandsFilter::szAfbeelding));
        if (strPad.isEmpty())
            return;
        m_pKopie->m_strAfbeelding = strPad;
        m_pKopie->m_picture.Load(m_doc.Zoeker().Zoek(strPad));
    });
    Bijgewerkt();
}

void CDlgSjabloonPagina::WisAfbeelding()
{
    BewaarDoeLaad([this] {
        m_pKopie->m_strAfbeelding.clear();
        m_pKopie->m_picture.Release();
    });
    Bijgewerkt();
}
