#include "DlgAfstandsbediening.h"

#include "QrBeeld.h"
#include "afstand/AfstandServer.h"
#include "afstand/Koppeling.h"
#include "afstand/NetwerkAdressen.h"
#include "ui_DlgAfstandsbediening.h"

#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr int nQrModule = 5;

} // namespace

CDlgAfstandsbediening::CDlgAfstandsbediening(
    CAfstandServer& server, CKoppeling& koppeling, SAfstandInstelling& instelling, QWidget* pOuder)
    : QDialog(pOuder)
    , m_pUi(std::make_unique<Ui::CDlgAfstandsbediening>())
    , m_server(server)
    , m_koppeling(koppeling)
    , m_instelling(instelling)
{
    m_pUi->setupUi(this);
    QFont groot = m_pUi->code->font();
    groot.setPointSizeF(groot.pointSizeF() * 2.2);
    groot.setBold(true);
    groot.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    m_pUi->code->setFont(groot);
    m_pUi->apparaten->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pUi->apparaten->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_pUi->apparaten->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    for (const SNetwerkAdres& a : NetwerkAdressen()) {
        m_pUi->adres->addItem(QStringLiteral("%1 (%2)").arg(a.adres.toString(), a.strInterface), a.strInterface);
        m_pUi->adres->setItemData(m_pUi->adres->count() - 1, a.adres.toString(), Qt::UserRole + 1);
    }
    const int nGekozen = m_pUi->adres->findData(m_instelling.strInterface);
    m_pUi->adres->setCurrentIndex(std::max(0, nGekozen));
    m_pUi->poort->setValue(m_instelling.nPoort);
    m_pUi->aan->setChecked(m_server.Aan());

    // A new code each time: the one shown before no longer pairs.
    m_koppeling.NieuweCode();

    connect(m_pUi->aan, &QCheckBox::toggled, this, &CDlgAfstandsbediening::PasToe);
    connect(m_pUi->adres, &QComboBox::currentIndexChanged, this, [this] {
        if (m_pUi->aan->isChecked())
            PasToe();
    });
    connect(m_pUi->poort, &QSpinBox::editingFinished, this, [this] {
        if (m_pUi->aan->isChecked() && m_pUi->poort->value() != m_instelling.nPoort)
            PasToe();
    });
    connect(&m_server, &CAfstandServer::toestandGewijzigd, this, &CDlgAfstandsbediening::WerkBij);
    connect(&m_koppeling, &CKoppeling::codeGewijzigd, this, &CDlgAfstandsbediening::WerkBij);
    connect(&m_koppeling, &CKoppeling::apparatenGewijzigd, this, &CDlgAfstandsbediening::WerkApparatenBij);
    connect(&m_koppeling, &CKoppeling::slotGewijzigd, this, &CDlgAfstandsbediening::WerkSlotBij);
    m_seconde.setInterval(1000);
    connect(&m_seconde, &QTimer::timeout, this, &CDlgAfstandsbediening::WerkSlotBij);
    m_seconde.start();
    WerkBij();
    WerkApparatenBij();
    WerkSlotBij();
}

CDlgAfstandsbediening::~CDlgAfstandsbediening()
{
    m_koppeling.disconnect(this);
    m_server.disconnect(this);
    m_koppeling.WisCode();
}

QString CDlgAfstandsbediening::QrTekst() const
{
    return m_server.Aan() ? m_server.Url() + QStringLiteral("#code=") + m_koppeling.Code() : QString();
}

void CDlgAfstandsbediening::PasToe()
{
    m_instelling.bAan = m_pUi->aan->isChecked();
    m_instelling.strInterface = m_pUi->adres->currentData().toString();
    m_instelling.nPoort = m_pUi->poort->value();
    m_strFout.clear();
    if (!m_instelling.bAan) {
        m_server.Stop();
    } else {
        const QHostAddress adres(m_pUi->adres->currentData(Qt::UserRole + 1).toString());
        if (!m_server.Start(
                adres.isNull() ? QHostAddress(QHostAddress::LocalHost) : adres, quint16(m_instelling.nPoort)))
            m_strFout = QStringLiteral("De afstandsbediening kan op dit adres niet starten.");
    }
    WerkBij();
}

void CDlgAfstandsbediening::WerkBij()
{
    const bool bAan = m_server.Aan();
    {
        const QSignalBlocker blokkeer(m_pUi->aan);
        m_pUi->aan->setChecked(bAan);
    }
    m_pUi->url->setText(bAan ? m_server.Url() : (m_strFout.isEmpty() ? QStringLiteral("(uit)") : m_strFout));
    m_pUi->code->setText(bAan ? m_koppeling.Code() : QString());
    const QImage qr = QrBeeld(QrTekst(), nQrModule);
    m_pUi->qr->setPixmap(qr.isNull() ? QPixmap() : QPixmap::fromImage(qr));
    for (QWidget* p : { static_cast<QWidget*>(m_pUi->stap), static_cast<QWidget*>(m_pUi->codeUitleg),
             static_cast<QWidget*>(m_pUi->code), static_cast<QWidget*>(m_pUi->qr) })
        p->setEnabled(bAan);
}

void CDlgAfstandsbediening::WerkApparatenBij()
{
    QTableWidget& tabel = *m_pUi->apparaten;
    const QList<CKoppeling::SApparaat>& aApparaten = m_koppeling.Apparaten();
    tabel.setRowCount(int(aApparaten.size()));
    for (int i = 0; i < aApparaten.size(); ++i) {
        tabel.setItem(i, 0, new QTableWidgetItem(aApparaten[i].strNaam));
        tabel.setItem(i, 1,
            new QTableWidgetItem(
                QLocale(QLocale::Dutch, QLocale::Netherlands).toString(aApparaten[i].gekoppeld, QLocale::ShortFormat)));
        auto* pVerwijder = new QPushButton(QStringLiteral("Verwijderen"));
        connect(pVerwijder, &QPushButton::clicked, this, [this, i] { m_koppeling.Verwijder(i); });
        tabel.setCellWidget(i, 2, pVerwijder);
    }
}

void CDlgAfstandsbediening::WerkSlotBij()
{
    const int n = m_koppeling.SlotSeconden();
    m_pUi->slot->setText(
        n > 0 ? QStringLiteral("Te veel verkeerde codes: koppelen is nog %1 seconden vergrendeld.").arg(n) : QString());
}
