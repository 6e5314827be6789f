#pragma once

#include "VeldenDialoog.h"

#include <QSet>
#include <QTimer>

class CDataItemBasis;
class CZerbantikoDoc;
class IOpenBestand;
class QTreeWidget;

// The property dialogs of the project, a page and the three kinds of item.
// They edit the element itself: each change is written into it at once and
// the views are told, so the designer follows while the dialog is open.
// "Annuleren" writes back the values the element had when the dialog
// opened; OK makes the whole session one step on the undo stack.
class CDlgEigenschappenPaginaItem : public CVeldenDialoog {
    Q_OBJECT

public:
    ~CDlgEigenschappenPaginaItem() override;

    void accept() override;
    void reject() override;

    // The colours of the command field: blue for a known "@" command, red
    // for an unknown one or for a file that cannot be read.
    static const QColor clrBekend;
    static const QColor clrFout;

protected:
    CDlgEigenschappenPaginaItem(
        CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer, QWidget* pOuder);

    // The opening steps, after the derived class has set up its form.
    void Open(std::span<const SKoppeling> aTabel);
    // Recomputes which controls are enabled and shown from the element.
    virtual void WerkBedieningBij();

    // Store all controls, mark the document modified and tell the views.
    void Wijzig(int nHint);
    void Gewijzigd();
    void Hint(int nHint);
    bool IsPagina() const;

    // The "Kies" of a picture (image item, page background).
    void KiesAfbeelding();
    void WisAfbeelding();
    // Whether what the dialog started (a program, a sound) still runs.
    virtual bool ActieLoopt() const;

    // The list of the element's children (a page's items, the project's
    // pages) with "Top", "Up", "Down" and "Bottom" beside it. Moves take
    // effect at once, each one a step on the undo stack of its own; the
    // views get nHint with the element.
    void OpenLijst(int nHint);
    // Fills the list's rows from the children, in order.
    virtual void VulRijen() { }
    QTreeWidget* Lijst() const { return m_pLijst; }
    int GeselecteerdeRij() const;

    CDataItemBasis* m_pElement;
    CZerbantikoDoc* m_pDocument;
    IOpenBestand& m_kiezer;
    CDataItemVelden m_kopie; // the element as it was when the dialog opened
    CDataItemVelden m_basis; // ... and as the opened dialog shows it
    bool m_bGewijzigdBijOpenen = false;
    QTimer m_peilen; // while an action or sound started here runs

    // Ends the live editing: no control reaches the element any more.
    void Ontkoppel();

private:
    void Verbind(const SControl& control);
    void VerbindKnoppen();
    void MaakKoppenVet();
    void VulSprong();
    void WerkActieBij();
    void KleurPaden();
    void ProcentBewerkt(const SControl& control);
    void ProcentVerlaten(const SControl& control);
    void NaamVerlaten();
    void KiesOpdracht();
    void WisOpdracht();
    void StartActie();
    void StopActie();
    void NaarStandaard();
    void Peil();
    enum class Verplaatsing { Top, Omhoog, Omlaag, Onder };
    void Verplaats(Verplaatsing verplaatsing);
    void WerkLijstKnoppenBij();
    void WerkAnkerBeeldBij();
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

    QSet<const QObject*> m_bewerkt; // fields edited since they got the focus
    QTreeWidget* m_pLijst = nullptr;
    int m_nLijstHint = 0;
};
