#include "LettertypeLijst.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr int nFontHoogte = 16; // pixels, of the sample
constexpr int nRegelExtra = 4;
constexpr int nInspringen = 15;
constexpr int nNaamAfstand = 10;
constexpr int nVoorbeeldAfstand = 20;
constexpr int nBreedteExtra = 35;
constexpr int nNaamRol = Qt::UserRole + 1; // the face's own name

// Draws an entry: the face's name, then the sample in that face, made the
// first time the entry is drawn.
class CLettertypeTekenaar : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QFont Font(const QString& strNaam) const
    {
        auto it = m_fonts.find(strNaam);
        if (it == m_fonts.end()) {
            QFont f(strNaam);
            f.setPixelSize(nFontHoogte);
            it = m_fonts.insert(strNaam, f);
        }
        return *it;
    }
    int Aantal() const { return int(m_fonts.size()); }
    int m_nNaamBreedte = 0;

    QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override
    {
        const QSize s = QStyledItemDelegate::sizeHint(optie, index);
        return { s.width(), qMax(s.height(), nFontHoogte + nRegelExtra) };
    }

    void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = optie;
        initStyleOption(&o, index);
        const QString strTekst = o.text;
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
        const bool bGekozen = o.state & QStyle::State_Selected;
        p->save();
        p->setPen(o.palette.color(bGekozen ? QPalette::HighlightedText : QPalette::Text));
        QRect r = o.rect.adjusted(nInspringen + nNaamAfstand, 0, 0, 0);
        p->setFont(o.font);
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, strTekst);
        const int nNaam = qMax(m_nNaamBreedte, o.fontMetrics.horizontalAdvance(strTekst));
        r.setLeft(r.left() + nNaam + nVoorbeeldAfstand);
        const QString strFace = index.data(nNaamRol).toString();
        if (!strFace.isEmpty()) {
            p->setFont(Font(strFace));
            p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, CLettertypeLijst::Voorbeeld());
        }
        p->restore();
    }

private:
    mutable QHash<QString, QFont> m_fonts;
};

} // namespace

namespace {
constexpr int nZichtbareTekens = 24;
} // namespace

CLettertypeLijst::CLettertypeLijst(QWidget* pOuder)
    : QComboBox(pOuder)
{
    auto* pTekenaar = new CLettertypeTekenaar(this);
    setItemDelegate(pTekenaar);
    // Sized by a name length, not by measuring every face's entry: with a
    // thousand faces that measuring alone took most of a dialog's opening.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(nZichtbareTekens);
    QStringList aNamen = QFontDatabase::families();
    aNamen.sort(Qt::CaseInsensitive);
    for (const QString& strNaam : aNamen) {
        addItem(strNaam);
        setItemData(count() - 1, strNaam, nNaamRol);
    }
    // The widest name, measured without making a font per face.
    for (const QString& strNaam : aNamen)
        pTekenaar->m_nNaamBreedte = qMax(pTekenaar->m_nNaamBreedte, fontMetrics().horizontalAdvance(strNaam));
    if (count() > 0)
        setCurrentIndex(0);
}

const QString& CLettertypeLijst::Voorbeeld()
{
    static const QString s = QStringLiteral("abcdeABCDE01234");
    return s;
}

QString CLettertypeLijst::NietGeinstalleerd(const QString& strNaam)
{
    return QStringLiteral("%1 (niet geïnstalleerd)").arg(strNaam);
}

void CLettertypeLijst::Laad(const QString& strNaam)
{
    if (m_nOntbrekend >= 0) {
        removeItem(m_nOntbrekend);
        m_nOntbrekend = -1;
    }
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, nNaamRol).toString().startsWith(strNaam, Qt::CaseInsensitive) && !strNaam.isEmpty()) {
            setCurrentIndex(i);
            return;
        }
    }
    if (strNaam.isEmpty()) {
        setCurrentIndex(count() > 0 ? 0 : -1);
        return;
    }
    // Not installed here: kept as it is, at the top, marked.
    insertItem(0, NietGeinstalleerd(strNaam));
    setItemData(0, strNaam, nNaamRol);
    m_nOntbrekend = 0;
    setCurrentIndex(0);
}

QString CLettertypeLijst::Naam() const
{
    return currentIndex() < 0 ? QString() : itemData(currentIndex(), nNaamRol).toString();
}

int CLettertypeLijst::GemaakteFonts() const
{
    return static_cast<const CLettertypeTekenaar*>(itemDelegate())->Aantal();
}

void CLettertypeLijst::showPopup()
{
    const auto* pTekenaar = static_cast<const CLettertypeTekenaar*>(itemDelegate());
    QFont f;
    f.setPixelSize(nFontHoogte);
    const int nVoorbeeld = QFontMetrics(f).horizontalAdvance(Voorbeeld()) * 2; // room for wide faces
    view()->setMinimumWidth(view()->verticalScrollBar()->sizeHint().width() + pTekenaar->m_nNaamBreedte + nVoorbeeld
        + nBreedteExtra + nInspringen + nNaamAfstand + nVoorbeeldAfstand);
    QComboBox::showPopup();
}
