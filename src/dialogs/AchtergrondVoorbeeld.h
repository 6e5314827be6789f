#pragma once

#include <QWidget>

class CDataItemBasis;

// A small picture of a page background as the composer draws it: colour,
// picture in its mode, and the colour layer, at the 16:9 shape of a full-HD
// screen, framed in black.
class CAchtergrondVoorbeeld : public QWidget {
    Q_OBJECT

public:
    explicit CAchtergrondVoorbeeld(QWidget* pOuder = nullptr);

    void ZetPagina(const CDataItemBasis* pPagina);
    // The largest 16:9 rectangle centred in the widget.
    QRect Voorbeeld() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const CDataItemBasis* m_pPagina = nullptr;
};
