#pragma once

#include "afstand/IAfstandDoel.h"

#include <QObject>

#include <functional>

class CDataItemPagina;
class CShowBesturing;
class CZerbantikoDoc;
class IKlok;

// The running show as the phone remote sees it: its state, its pictures as
// copies of the pages drawn by composers of the remote's own on the remote's
// thread (their own fonts, sizes, hit tables and scaled pictures), and the
// remote's commands given to the show's control object, which takes them as
// it takes the presenter's keys and clicks.
class CShowAfstand : public QObject, public IAfstandDoel {
    Q_OBJECT

public:
    CShowAfstand(CZerbantikoDoc& doc, const IKlok& klok, CShowBesturing& besturing, QObject* pOuder = nullptr);

    // Who is told of every change the show publishes (the remote's server).
    void ZetBijWijziging(std::function<void()> gewijzigd);

    SAfstandStaat Staat() const override;
    std::shared_ptr<IAfstandTekening> Opname() override;
    void Voer(const SAfstandOpdracht& opdracht) override;

private:
    CDataItemPagina* VolgendePagina() const;

    CZerbantikoDoc& m_doc;
    const IKlok& m_klok;
    CShowBesturing& m_besturing;
    std::function<void()> m_gewijzigd;
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
