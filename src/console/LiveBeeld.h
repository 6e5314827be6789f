#pragma once

#include "model/Types.h"
#include "render/PaginaTekenaar.h"

#include <QWidget>

#include <vector>

class CDataItemBasis;
class CShowBesturing;
class CZerbantikoDoc;
class IKlok;

// What the audience sees, at the console's own size: the page on show drawn
// by a composer of its own (its own fonts and hit table), with the selection
// indicator where the projector has it, or the viewer with its countdown. It
// follows every change the show publishes; a click does what a click on the
// projector does, and the item under the pointer is outlined.
class CLiveBeeld : public QWidget {
    Q_OBJECT

public:
    CLiveBeeld(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QWidget* pOuder = nullptr);

    // The picture at a client size, as the paint draws it (for tests).
    QImage Teken(const QSize& client);
    // The clickable item under a client point, or null.
    CDataItemBasis* Raak(const QPoint& pt) const;
    int Composities() const { return m_nComposities; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void leaveEvent(QEvent*) override;

private:
    CZerbantikoDoc& m_doc;
    CShowBesturing& m_besturing;
    CPaginaTekenaar m_tekenaar;
    CRect m_rectUitvoer;
    std::vector<CRect> m_aKlikvlak;
    const CDataItemBasis* m_pOnder = nullptr; // under the pointer; compared, never followed
    int m_nComposities = 0;
};
