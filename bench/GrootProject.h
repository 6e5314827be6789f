#pragma once

// A large project: 200 pages of 50 items each, about 4 MB as a file.
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"
#include "model/ZerbantikoDoc.h"

#include <memory>

inline CZerbantikoDoc& GroteDoc()
{
    static CZerbantikoDoc* pDoc = [] {
        auto* p = new CZerbantikoDoc;
        p->NieuwDocument();
        p->m_project.m_strNaam = "Jaarvergadering";
        for (int i = 0; i < 200; ++i) {
            auto pPagina = std::make_unique<CDataItemPagina>();
            pPagina->CopyFrom(p->SjabloonPagina(1));
            pPagina->m_strNaam = QStringLiteral("Pagina %1").arg(i);
            for (int j = 0; j < 50; ++j) {
                auto pItem = std::make_unique<CDataItemPaginaItem>();
                pItem->CopyFrom(p->SjabloonItem(1 + j % 3));
                pItem->m_strNaam = QStringLiteral("Agendapunt %1: verslag van de penningmeester").arg(j);
                pItem->m_strOpdracht = "@page";
                pItem->m_strOpties = QStringLiteral("Pagina %1").arg((i + 1) % 200);
                pPagina->VoegKindToe(std::move(pItem));
            }
            p->m_project.VoegKindToe(std::move(pPagina));
        }
        return p;
    }();
    return *pDoc;
}
