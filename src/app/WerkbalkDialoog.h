#pragma once

#include <QDialog>
#include <QList>
#include <QSet>

class QAction;
class QCheckBox;

// "Aanpassen...": which of the toolbar's buttons are shown.
class CWerkbalkDialoog : public QDialog {
    Q_OBJECT

public:
    // The buttons in toolbar order, by command id; verborgen: the ids not shown now.
    CWerkbalkDialoog(
        const QList<QPair<int, QAction*>>& aKnoppen, const QSet<int>& verborgen, QWidget* pOuder = nullptr);

    QSet<int> Verborgen() const;

private:
    QList<QPair<int, QCheckBox*>> m_aVakjes;
};
