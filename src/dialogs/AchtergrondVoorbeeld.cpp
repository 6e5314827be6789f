#include "AchtergrondVoorbeeld.h"

#include "model/DataItemBasis.h"
#include "render/PaginaTekenaar.h"

#include <QPainter>

namespace {
// The shape the preview keeps: a 1920 x 1080 screen.
constexpr int nVoorbeeldBreedte = 1920;
constexpr int nVoorbeeldHoogte = 1080;
} // namespace

CAchtergrondVoorbeeld::CAchtergrondVoorbeeld(QWidget* pOuder)
    : QWidget(pOuder)
{
}

void CAchtergrondVoorbeeld::ZetPagina(const CDataItemBasis* pPagina)
{
    m_pPagina = pPagina;
    update();
}

QRect CAchtergrondVoorbeeld::Voorbeeld() const
{
    const QSize maat = QSize(nVoorbeeldBreedte, nVoorbeeldHoogte).scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - maat.width()) / 2, (height() - maat.height()) / 2), maat);
}

void CAchtergrondVoorbeeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = Voorbeeld();
    if (m_pPagina && !r.isEmpty()) {
        QImage beeld(r.size(), QImage::Format_RGB32);
        DrawPageBackgroundPreview(beeld, CRect { 0, 0, r.width(), r.height() }, m_pPagina->m_clrKleurvlak,
            m_pPagina->m_picture, m_pPagina->m_nManierVanTonen, m_pPagina->m_clrKleurlaag,
            m_pPagina->m_nDekkingKleurlaag);
        p.drawImage(r.topLeft(), beeld); // with its black frame
    }
}
