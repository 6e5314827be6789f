#pragma once

#include <QWidget>

// Where the anchor sits on an item's content: a small blue square in one
// of nine places of a 3 x 3 grid.
class CAnkerBeeld : public QWidget {
    Q_OBJECT

public:
    explicit CAnkerBeeld(QWidget* pOuder = nullptr);

    // nH: 0 left, 1 middle, 2 right; nV: 0 top, 1 middle, 2 bottom.
    void ZetAnker(int nH, int nV);
    int Beeld() const { return m_nBeeld; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_nBeeld = 0; // 3 * horizontal + vertical
};
