#pragma once

#include "afstand/IAfstandDoel.h"
#include "render/PaginaTekenaar.h"

#include <QObject>

class CAfstandServer;
class CDataItemPagina;
class CShowBesturing;
class CZerbantikoDoc;
class IKlok;

// The running show as the phone remote sees it: its state, pictures drawn by
// a composer of the remote's own (its own fonts, sizes and hit tables), and
// the remote's commands given to the show's control object, which takes them
// as it takes the presenter's keys and clicks.
class CShowAfstand : public QObject, public IAfstandDoel {
    Q_OBJECT

public:
    CShowAfstand(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder = nullptr);

    // The server told of every change the show publishes.
    void ZetServer(CAfstandServer* pServer);

    SAfstandStaat Staat() const override;
    QImage Beeld(int nBreedte, AfstandKlikvlak& klikvlak) override;
    QImage VolgendBeeld(int nBreedte) override;
    void Voer(const SAfstandOpdracht& opdracht) override;

private:
    QSize Maat(int nBreedte) const;
    CDataItemPagina* VolgendePagina() const;

    CZerbantikoDoc& m_doc;
    CShowBesturing& m_besturing;
    CPaginaTekenaar m_tekenaar;
    CAfstandServer* m_pServer = nullptr;
    // What the picture shows other than with time; compared, never followed.
    struct SBeeldInhoud {
        const void* pPagina = nullptr;
        int nIndicator = -1;
        bool bViewer = false;
        bool bLoopt = false;
        friend bool operator==(const SBeeldInhoud&, const SBeeldInhoud&) = default;
    };
    mutable SBeeldInhoud m_inhoud;
    mutable quint64 m_nSleutel = 1;
};
