#pragma once

#include "DataItemVelden.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

class CDataItemBasis;
class CZerbantikoDoc;

// The editing commands on the document's undo stack. An element a command
// takes out of the project is owned by the command until it is put back,
// so redo restores the very same element.

// A page or item put into a container.
class CInvoegCommando : public QUndoCommand {
public:
    // nPlaats and nPositie as the document's insert rule places it the first time.
    // nHint: what the views hear when it comes in.
    CInvoegCommando(CZerbantikoDoc& doc, CDataItemBasis& container, std::unique_ptr<CDataItemBasis> pElement,
        int nPlaats, int nPositie, int nHint, const QString& strTekst);
    void redo() override;
    void undo() override;
    CDataItemBasis* Element() const { return m_pElement; }

private:
    CZerbantikoDoc& m_doc;
    CDataItemBasis& m_container;
    CDataItemBasis* m_pElement; // not owned while in the project
    std::unique_ptr<CDataItemBasis> m_pBewaard;
    int m_nPlaats;
    int m_nPositie;
    int m_nHint;
    int m_nIndex = -1;
};

// A page or item taken out of its container (cut or delete).
class CVerwijderCommando : public QUndoCommand {
public:
    // nHint: what the views hear, with the container, when it goes.
    CVerwijderCommando(CZerbantikoDoc& doc, CDataItemBasis& element, int nHint, const QString& strTekst);
    void redo() override;
    void undo() override;

private:
    CZerbantikoDoc& m_doc;
    CDataItemBasis& m_container;
    CDataItemBasis* m_pElement;
    std::unique_ptr<CDataItemBasis> m_pBewaard;
    int m_nIndex;
    int m_nHint;
};

// Any set of an element's fields changed at once: the values before and
// after, and the hint the views get.
class CVeldenCommando : public QUndoCommand {
public:
    // nSamen: commands with the same id (not -1) on the same element merge,
    // as consecutive nudges with one key do.
    CVeldenCommando(CZerbantikoDoc& doc, CDataItemBasis& element, const CDataItemVelden& voor,
        const CDataItemVelden& na, int nHint, const QString& strTekst, int nSamen = -1);
    void redo() override;
    void undo() override;
    int id() const override { return m_nSamen; }
    bool mergeWith(const QUndoCommand* pAnder) override;
    // Another hint the views get after the first, for a change that touches
    // more than one aspect (a dialog session: appearance, styling and name).
    void VoegHintToe(int nHint) { m_aExtraHints.push_back(nHint); }

private:
    void Zet(const CDataItemVelden& velden);

    CZerbantikoDoc& m_doc;
    CDataItemBasis& m_element;
    CDataItemVelden m_voor;
    CDataItemVelden m_na;
    int m_nHint;
    std::vector<int> m_aExtraHints;
    int m_nSamen;
};

// A page or item put in another place among its siblings.
class CVerplaatsCommando : public QUndoCommand {
public:
    // nHint: what the views hear, with the container, after each move.
    // bSelectieNaarBegin: the container's selection indicator starts again
    // at its first item, hidden, and undo gives back where it was.
    CVerplaatsCommando(CZerbantikoDoc& doc, CDataItemBasis& container, int nVan, int nNaar, int nHint,
        const QString& strTekst, bool bSelectieNaarBegin = false);
    void redo() override;
    void undo() override;

private:
    void Verplaats(int nVan, int nNaar);

    CZerbantikoDoc& m_doc;
    CDataItemBasis& m_container;
    int m_nVan;
    int m_nNaar;
    int m_nHint;
    bool m_bSelectieNaarBegin;
    qint32 m_nSelectieItemVoor = 0;
    qint32 m_bSelectieZichtbaarVoor = 0;
};
