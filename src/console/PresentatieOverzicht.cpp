#include "PresentatieOverzicht.h"

#include "LiveBeeld.h"
#include "model/DataItemPagina.h"
#include "model/ZerbantikoDoc.h"
#include "render/Klok.h"
#include "render/PaginaTekenaar.h"
#include "show/ShowBesturing.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QTime>
#include <QTimerEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int nKlokMs = 250;
const QSize maatDuim(160, 90); // the pictures of the pages one action away
constexpr int nVolumeMax = 100;

QString Tijd(qint64 nSeconden)
{
    return QStringLiteral("%1:%2:%3")
        .arg(nSeconden / 3600)
        .arg((nSeconden / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(nSeconden % 60, 2, 10, QLatin1Char('0'));
}

QString MinSec(double dSeconden)
{
    const qint64 n = qint64(std::max(0.0, dSeconden));
    return QStringLiteral("%1:%2").arg(n / 60).arg(n % 60, 2, 10, QLatin1Char('0'));
}

// The key that runs an item directly: 1 … 9 and 0 for the first ten.
QString CijferToets(int nIndex)
{
    return nIndex < 10 ? QString::number((nIndex + 1) % 10) : QString();
}

} // namespace

CPresentatieOverzicht::CPresentatieOverzicht(
    CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QWidget* pOuder)
    : QWidget(pOuder)
    , m_doc(doc)
    , m_klok(klok)
    , m_besturing(besturing)
{
    setObjectName("presentatieOverzicht");
    setFocusPolicy(Qt::StrongFocus);
    m_pBeeld = new CLiveBeeld(doc, klok, besturing);

    m_pVolgende = new QListWidget;
    m_pVolgende->setViewMode(QListView::IconMode);
    m_pVolgende->setIconSize(maatDuim);
    m_pVolgende->setFlow(QListView::LeftToRight);
    m_pVolgende->setWrapping(false);
    m_pVolgende->setMovement(QListView::Static);
    m_pVolgende->setFixedHeight(maatDuim.height() + 50);
    connect(m_pVolgende, &QListWidget::itemClicked, this, [this](QListWidgetItem* pRij) {
        const int i = m_pVolgende->row(pRij);
        const std::vector<CDataItemPagina*> a = m_besturing.Volgende();
        if (i >= 0 && size_t(i) < a.size())
            m_besturing.NaarPagina(a[size_t(i)]);
    });

    m_pItems = new QTreeWidget;
    m_pItems->setHeaderLabels({ QStringLiteral("Toets"), QStringLiteral("Naam"), QStringLiteral("Actie") });
    m_pItems->setRootIsDecorated(false);
    m_pItems->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_pItems, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* pRij) {
        CDataItemPagina* pPagina = m_besturing.Pagina();
        const int nIndex = pRij->data(0, Qt::UserRole).toInt();
        if (pPagina && pPagina->GetKind(nIndex))
            m_besturing.KlikOpItem(*pPagina->GetKind(nIndex));
    });

    m_pKlok = new QLabel;
    QFont groot = m_pKlok->font();
    groot.setPointSizeF(groot.pointSizeF() * 2);
    groot.setBold(true);
    m_pKlok->setFont(groot);
    m_pVerstreken = new QPushButton;
    m_pVerstreken->setFlat(true);
    m_pVerstreken->setToolTip(
        QStringLiteral("De tijd sinds het begin van de presentatie; klik om opnieuw te beginnen"));
    connect(m_pVerstreken, &QPushButton::clicked, this, [this] {
        m_sindsStart.restart();
        WerkKlokBij();
    });
    m_pAftellen = new QLabel;

    m_pGeluid = new QLabel(QStringLiteral("Geen geluid"));
    m_pPositie = new QProgressBar;
    m_pPositie->setTextVisible(true);
    m_pPauze = new QPushButton(QStringLiteral("Pauze"));
    m_pPauze->setCheckable(true);
    auto* pStop = new QPushButton(QStringLiteral("Stop"));
    m_pHerhalen = new QPushButton(QStringLiteral("Herhalen"));
    m_pHerhalen->setCheckable(true);
    auto* pGong = new QPushButton(QStringLiteral("Gong"));
    m_pVolume = new QSlider(Qt::Horizontal);
    m_pVolume->setRange(0, nVolumeMax);
    m_pVolume->setToolTip(QStringLiteral("Volume van het geluid"));
    connect(m_pPauze, &QPushButton::clicked, &m_besturing, &CShowBesturing::WisselPauze);
    connect(pStop, &QPushButton::clicked, &m_besturing, &CShowBesturing::StopGeluid);
    connect(m_pHerhalen, &QPushButton::clicked, &m_besturing, &CShowBesturing::WisselHerhalen);
    connect(pGong, &QPushButton::clicked, this,
        [this] { m_besturing.Gong(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    connect(m_pVolume, &QSlider::valueChanged, this, [this](int nWaarde) {
        if (m_bLaden)
            return;
        const CShowBesturing::SGeluid g = m_besturing.Geluid();
        m_besturing.Volume(false, nWaarde / double(nVolumeMax) - double(g.fVolume));
    });

    m_pProgrammas = new QTreeWidget;
    m_pProgrammas->setHeaderLabels({ QStringLiteral("Gestart door"), QString() });
    m_pProgrammas->setRootIsDecorated(false);
    m_pProgrammas->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_pBericht = new QLabel;
    m_pBericht->setObjectName("bericht");
    m_pBericht->setWordWrap(true);

    // Left the live picture with what comes next under it; right the page's
    // items, the clock, the sound and the programs.
    auto* pLinks = new QWidget;
    auto* pLinksLayout = new QVBoxLayout(pLinks);
    pLinksLayout->setContentsMargins(0, 0, 0, 0);
    pLinksLayout->addWidget(m_pBeeld, 1);
    pLinksLayout->addWidget(new QLabel(QStringLiteral("Volgende")));
    pLinksLayout->addWidget(m_pVolgende);

    auto* pRechts = new QWidget;
    auto* pRechtsLayout = new QVBoxLayout(pRechts);
    pRechtsLayout->setContentsMargins(0, 0, 0, 0);
    auto* pTijd = new QGroupBox(QStringLiteral("Tijd"));
    auto* pTijdLayout = new QHBoxLayout(pTijd);
    pTijdLayout->addWidget(m_pKlok);
    pTijdLayout->addWidget(m_pVerstreken);
    pTijdLayout->addWidget(m_pAftellen, 1);
    auto* pItems = new QGroupBox(QStringLiteral("Items van deze pagina"));
    auto* pItemsLayout = new QVBoxLayout(pItems);
    pItemsLayout->addWidget(m_pItems);
    auto* pGeluidGroep = new QGroupBox(QStringLiteral("Geluid"));
    auto* pGeluidLayout = new QGridLayout(pGeluidGroep);
    pGeluidLayout->addWidget(m_pGeluid, 0, 0, 1, 4);
    pGeluidLayout->addWidget(m_pPositie, 1, 0, 1, 4);
    pGeluidLayout->addWidget(m_pPauze, 2, 0);
    pGeluidLayout->addWidget(pStop, 2, 1);
    pGeluidLayout->addWidget(m_pHerhalen, 2, 2);
    pGeluidLayout->addWidget(pGong, 2, 3);
    pGeluidLayout->addWidget(new QLabel(QStringLiteral("Volume")), 3, 0);
    pGeluidLayout->addWidget(m_pVolume, 3, 1, 1, 3);
    auto* pProgrammaGroep = new QGroupBox(QStringLiteral("Lopende programma's en documenten"));
    auto* pProgrammaLayout = new QVBoxLayout(pProgrammaGroep);
    pProgrammaLayout->addWidget(m_pProgrammas);
    pRechtsLayout->addWidget(pTijd);
    pRechtsLayout->addWidget(pItems, 2);
    pRechtsLayout->addWidget(pGeluidGroep);
    pRechtsLayout->addWidget(pProgrammaGroep, 1);

    auto* pSplitter = new QSplitter(Qt::Horizontal);
    pSplitter->addWidget(pLinks);
    pSplitter->addWidget(pRechts);
    pSplitter->setStretchFactor(0, 3);
    pSplitter->setStretchFactor(1, 2);
    m_pAfstand = new QLabel;
    m_pAfstand->setObjectName("afstand");
    auto* pOnder = new QHBoxLayout;
    pOnder->addWidget(m_pBericht, 1);
    pOnder->addWidget(m_pAfstand);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pSplitter, 1);
    pLayout->addLayout(pOnder);

    // The presenter keys reach the console itself, whatever was clicked.
    for (QWidget* p : findChildren<QWidget*>())
        p->setFocusPolicy(Qt::NoFocus);

    connect(&m_besturing, &CShowBesturing::gewijzigd, this, &CPresentatieOverzicht::WerkBij);
    connect(&m_besturing, &CShowBesturing::bericht, this, &CPresentatieOverzicht::ToonBericht);
    m_sindsStart.start();
    m_nKlokTimer = startTimer(nKlokMs);
    WerkBij();
}

const QString& CPresentatieOverzicht::Bericht() const
{
    return m_strBericht;
}

QString CPresentatieOverzicht::Verstreken() const
{
    return Tijd(m_sindsStart.elapsed() / 1000);
}

void CPresentatieOverzicht::showEvent(QShowEvent*)
{
    setFocus(Qt::OtherFocusReason);
    WerkBij();
}

bool CPresentatieOverzicht::event(QEvent* pEvent)
{
    // The presenter keys (F5, Del, digits) go to the show, not to the
    // editor's shortcuts; the gong and stopping the show stay the editor's.
    if (pEvent->type() == QEvent::ShortcutOverride && m_besturing.Loopt()) {
        const auto* pToets = static_cast<QKeyEvent*>(pEvent);
        const QKeyCombination toets = pToets->keyCombination();
        const bool bEditor = toets == QKeyCombination(Qt::ControlModifier, Qt::Key_G)
            || toets == QKeyCombination(Qt::ShiftModifier, Qt::Key_F5);
        if (!bEditor) {
            pEvent->accept();
            return true;
        }
    }
    return QWidget::event(pEvent);
}

void CPresentatieOverzicht::keyPressEvent(QKeyEvent* pEvent)
{
    m_besturing.Toets(*pEvent);
}

void CPresentatieOverzicht::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_nKlokTimer)
        WerkKlokBij();
    else
        QWidget::timerEvent(pEvent);
}

void CPresentatieOverzicht::WerkBij()
{
    // The time counts from the start of the show.
    const bool bLoopt = m_besturing.Loopt();
    if (bLoopt && !m_bLiep)
        m_sindsStart.restart();
    m_bLiep = bLoopt;
    WerkVolgendeBij();
    WerkItemsBij();
    WerkGeluidBij();
    WerkProgrammasBij();
    WerkKlokBij();
}

void CPresentatieOverzicht::WerkVolgendeBij()
{
    const std::vector<CDataItemPagina*> a = m_besturing.Volgende();
    const std::vector<const CDataItemPagina*> aNu(a.begin(), a.end());
    // Drawn anew only when the list changed, not at every tick.
    if (aNu == m_aVolgende && m_pVolgende->count() == int(a.size()))
        return;
    m_aVolgende = aNu;
    m_pVolgende->clear();
    CPaginaTekenaar mini(CPaginaTekenaar::Variant::Presentatie, m_klok);
    mini.SetProjectNaam(m_besturing.ProjectNaam());
    for (CDataItemPagina* pPagina : a) {
        QImage duim(maatDuim, QImage::Format_RGB32);
        mini.DrawPage(duim, *pPagina);
        m_pVolgende->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(duim)), pPagina->m_strNaam));
    }
}

void CPresentatieOverzicht::WerkItemsBij()
{
    const CDataItemPagina* pPagina = m_besturing.Pagina();
    const int nIndicator = m_besturing.IndicatorItem();
    if (pPagina != m_pItemsVan || !pPagina || m_pItems->topLevelItemCount() != pPagina->AantalKinderen()) {
        m_pItemsVan = pPagina;
        m_pItems->clear();
        if (pPagina) {
            for (const auto& pItem : pPagina->Kinderen()) {
                if (!pItem->m_bKlikbaar)
                    continue;
                auto* pRij = new QTreeWidgetItem(m_pItems,
                    { CijferToets(pItem->m_nIndex), pItem->m_strNaam,
                        (pItem->m_strOpdracht + QLatin1Char(' ') + pItem->m_strOpties).trimmed() });
                pRij->setData(0, Qt::UserRole, pItem->m_nIndex);
            }
        }
    }
    // The item under the indicator, as the audience sees it.
    for (int i = 0; i < m_pItems->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pRij = m_pItems->topLevelItem(i);
        const bool bHier = pRij->data(0, Qt::UserRole).toInt() == nIndicator;
        QFont f = pRij->font(1);
        f.setBold(bHier);
        for (int k = 0; k < 3; ++k)
            pRij->setFont(k, f);
        pRij->setIcon(0, bHier ? style()->standardIcon(QStyle::SP_ArrowRight) : QIcon());
    }
}

void CPresentatieOverzicht::WerkGeluidBij()
{
    const CShowBesturing::SGeluid g = m_besturing.Geluid();
    m_bLaden = true;
    if (!g.bLoopt) {
        m_pGeluid->setText(QStringLiteral("Geen geluid"));
        m_pPositie->setRange(0, 1);
        m_pPositie->setValue(0);
        m_pPositie->setFormat(QString());
    } else {
        m_pGeluid->setText(g.strBestand.isEmpty() ? QStringLiteral("Gong") : QFileInfo(g.strBestand).fileName());
        const int nLengte = g.dLengte > 0 ? int(g.dLengte) : 0;
        m_pPositie->setRange(0, std::max(1, nLengte));
        m_pPositie->setValue(std::min(int(g.dPositie), std::max(1, nLengte)));
        m_pPositie->setFormat(
            g.dLengte > 0 ? MinSec(g.dPositie) + QStringLiteral(" / ") + MinSec(g.dLengte) : MinSec(g.dPositie));
    }
    m_pPauze->setChecked(g.bPauze);
    m_pHerhalen->setChecked(g.bHerhalen);
    m_pVolume->setValue(int(std::lround(g.fVolume * nVolumeMax)));
    m_bLaden = false;
}

void CPresentatieOverzicht::WerkProgrammasBij()
{
    const std::vector<CDataItemBasis*> a = m_besturing.LopendeItems();
    const std::vector<const CDataItemBasis*> aNu(a.begin(), a.end());
    if (aNu == m_aLopend && m_pProgrammas->topLevelItemCount() == int(a.size()))
        return;
    m_aLopend = aNu;
    m_pProgrammas->clear();
    for (CDataItemBasis* pItem : a) {
        auto* pRij = new QTreeWidgetItem(m_pProgrammas,
            { pItem->m_strNaam + QStringLiteral(" (") + QFileInfo(pItem->m_strOpdracht).fileName()
                + QLatin1Char(')') });
        auto* pStop = new QPushButton(QStringLiteral("Stoppen"));
        pStop->setFocusPolicy(Qt::NoFocus);
        connect(pStop, &QPushButton::clicked, this, [this, pItem] {
            // Looked up again: the item may have gone since the list was made.
            const std::vector<CDataItemBasis*> aLopend = m_besturing.LopendeItems();
            if (std::find(aLopend.begin(), aLopend.end(), pItem) != aLopend.end())
                m_besturing.StopItem(*pItem);
        });
        m_pProgrammas->setItemWidget(pRij, 1, pStop);
    }
}

void CPresentatieOverzicht::WerkKlokBij()
{
    if (const auto tijd = m_klok.Tijd())
        m_pKlok->setText(QStringLiteral("%1:%2:%3")
                             .arg(tijd->nUur, 2, 10, QLatin1Char('0'))
                             .arg(tijd->nMinuut, 2, 10, QLatin1Char('0'))
                             .arg(tijd->nSeconde, 2, 10, QLatin1Char('0')));
    m_pVerstreken->setText(QStringLiteral("Verstreken %1").arg(Verstreken()));
    const int nOver = m_besturing.ViewerSecondenOver();
    m_pAftellen->setText(nOver > 0 ? QStringLiteral("Aftellen: nog %1 s").arg(nOver) : QString());
}

void CPresentatieOverzicht::ToonBericht(const QString& strTekst)
{
    m_strBericht = strTekst;
    m_pBericht->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")) + QStringLiteral("  ") + strTekst);
}

void CPresentatieOverzicht::ToonAfstand(const QString& strTekst)
{
    m_pAfstand->setText(strTekst);
}

QString CPresentatieOverzicht::Afstand() const
{
    return m_pAfstand->text();
}
