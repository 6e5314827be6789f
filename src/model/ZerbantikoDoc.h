#pragma once

#include "BestandZoeker.h"
#include "DataItemPagina.h"
#include "DataItemPaginaItem.h"
#include "DataItemProject.h"
#include "Types.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <memory>

class IMelder;
class IEigenschappenDialogen;
struct CProjectInhoud;

// The one document of the program: the project, the templates for new
// elements, the selection and the internal clipboard, and the editing
// commands. It needs no window; views follow it through updateAllViews.
class CZerbantikoDoc : public QObject {
    Q_OBJECT

public:
    explicit CZerbantikoDoc(QObject* pParent = nullptr);
    ~CZerbantikoDoc() override;

    void SetMelder(IMelder* pMelder) { m_pMelder = pMelder; }
    IMelder* GetMelder() const { return m_pMelder; }
    void SetEigenschappenDialogen(IEigenschappenDialogen* p) { m_pEigenschappen = p; }
    IEigenschappenDialogen* GetEigenschappenDialogen() const { return m_pEigenschappen; }

    // Templates, numbered from 1 as the program names them.
    CDataItemPagina& SjabloonPagina(int n) { return m_aSjabloonPagina[size_t(n - 1)]; }
    CDataItemPaginaItem& SjabloonItem(int n) { return m_aSjabloonItem[size_t(n - 1)]; }
    const std::array<CDataItemPagina, 4>& SjabloonPaginas() const { return m_aSjabloonPagina; }
    const std::array<CDataItemPaginaItem, 4>& SjabloonItems() const { return m_aSjabloonItem; }

    // Selection.
    CDataItemPagina* GetHuidigePagina() const;
    CDataItemPagina* SetHuidigePagina(int i);
    CDataItemPaginaItem* GetItem(int nPagina, int nItem) const;
    CDataItemPaginaItem* GetHuidigItem() const;
    CDataItemBasis* GetGeselecteerd() const;
    CDataItemBasis* Selecteer(int nPagina, int nItem);
    void SelecteerElement(CDataItemBasis* pElement);

    // When each editing command is enabled.
    bool KanPaginaInvoegen() const;
    bool KanItemInvoegen() const;
    bool KanKopieren() const;
    bool KanKnippen() const;
    bool KanPlakken() const;
    bool KanVerwijderen() const;
    bool KanEigenschappen() const;

    // Editing commands.
    void OnPaginaInvoegen();
    void OnTekstInvoegen();
    void OnAfbeeldingInvoegen();
    void OnKleurvlakInvoegen();
    void OnKopieren();
    void OnKnippen();
    void OnPlakken();
    void OnVerwijderen();
    int OnEigenschappen();

    // Inserts a new page (nSoort 2) or item (3) from template page 1 or
    // template item nSjabloon, or from pBron; returns it, or null.
    CDataItemBasis* Invoegen(int nSoort, int nSjabloon, const CDataItemBasis* pBron = nullptr);

    // New project; templates and clipboard carry over.
    void NieuwDocument();
    // Takes over a project that was read from strPad.
    void NeemOver(CProjectInhoud& inhoud, const QString& strPad);

    // Finds the files the project's paths name, from the project file's folder.
    const CBestandZoeker& Zoeker() const { return m_zoeker; }

    // The framework document's own state.
    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& strPad);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitel);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);

    void UpdateAllViews(QObject* pSender, int nHint, CDataItemBasis* pElement);

    // Every change to the project is a command on this stack; the modified
    // flag follows its clean state.
    QUndoStack& Undo() { return m_undo; }
    // Changes an element's fields as one undoable step (nSamen: see CVeldenCommando).
    void WijzigVelden(
        CDataItemBasis& element, const CDataItemVelden& na, int nHint, const QString& strTekst, int nSamen = -1);
    // The project now equals its file.
    void MarkeerOpgeslagen();

    QString m_strVersie;
    CDataItemProject m_project;
    CDataItemBasis* m_pGeselecteerd = nullptr;
    int m_nHuidigePagina = -1;
    int m_nHuidigItem = -1;
    CPoint m_ptInvoegPositie;
    std::unique_ptr<CDataItemBasis> m_pKlembord;
    CDataItemBasis* m_pKopieerBron = nullptr;
    // The page at which the last show started; set once a show has run, and
    // cleared only when that page goes away.
    CDataItemBasis* m_pShowStartPagina = nullptr;

signals:
    void updateAllViews(QObject* pSender, int nHint, CDataItemBasis* pElement);
    void modifiedChanged(bool bModified);
    void titleChanged(const QString& strTitel);

public:
    // Where an insert puts a new element in its container.
    enum class Plaats { Achteraan, Voor, Na };

private:
    // Every structural change of the project passes through these two,
    // through the commands.
    friend class CInvoegCommando;
    friend class CVerwijderCommando;
    void VoegToe(CDataItemBasis& container, Plaats plaats, int nPositie, std::unique_ptr<CDataItemBasis> pElement);
    std::unique_ptr<CDataItemBasis> NeemWeg(CDataItemBasis& container, int nPositie);
    // Drops borrowed pointers into an element that is about to go away.
    void VergeetVerwijzingenNaar(const CDataItemBasis& element);
    static void BeeindigProgrammas(CDataItemBasis& element);

    static bool IsPaginaOfItem(const CDataItemBasis* p);
    // A deep copy of an element; running out of memory ends the program
    // with the copy message.
    void KopieerOfStop(CDataItemBasis& doel, const CDataItemBasis& bron);

    std::array<CDataItemPagina, 4> m_aSjabloonPagina;
    std::array<CDataItemPaginaItem, 4> m_aSjabloonItem;
    IMelder* m_pMelder = nullptr;
    IEigenschappenDialogen* m_pEigenschappen = nullptr;
    CBestandZoeker m_zoeker;
    QUndoStack m_undo;
    QString m_strPathName;
    QString m_strTitle;
    bool m_bModified = false;
};
