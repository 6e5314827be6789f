#pragma once

// The heavy page the benchmarks draw: a 40 % colour layer over a background
// photo, ten texts at 80 % with bands, ten images at 70 % with borders, ten
// ellipses and ten rectangles at 50 % with borders.
#include "model/DataItemPagina.h"
#include "model/DataItemPaginaItem.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <memory>

// A photo of w x h as a JPEG in the folder, made once.
inline QString Foto(const QString& strMap, int w, int h)
{
    const QString strPad = QDir(strMap).filePath(QStringLiteral("foto-%1x%2.jpg").arg(w).arg(h));
    if (QFile::exists(strPad))
        return strPad;
    QImage beeld(w, h, QImage::Format_RGB32);
    QPainter p(&beeld);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(220, 120, 40));
    g.setColorAt(1, QColor(20, 60, 160));
    p.fillRect(0, 0, w, h, g);
    p.setPen(QPen(Qt::white, w / 200));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(w * (i % 8) / 8.0, h * (i / 8) / 5.0), w / 20.0, h / 20.0);
    p.end();
    beeld.save(strPad, "JPEG", 85);
    return strPad;
}

inline std::unique_ptr<CDataItemPagina> ZwarePagina(const QString& strMap, int nFotoW, int nFotoH)
{
    auto pPagina = std::make_unique<CDataItemPagina>();
    pPagina->InitTemplate();
    pPagina->m_strAfbeelding = Foto(strMap, nFotoW, nFotoH);
    pPagina->m_picture.Load(pPagina->m_strAfbeelding);
    pPagina->m_nManierVanTonen = 2;
    pPagina->m_nDekkingKleurlaag = 40;
    pPagina->m_clrKleurlaag = 0x000000;
    const QString strKlein = Foto(strMap, 800, 600);
    for (int i = 0; i < 10; ++i) {
        auto t = std::make_unique<CDataItemPaginaItem>();
        t->InitTemplate();
        t->m_strNaam = QStringLiteral("Agendapunt %1: de jaarrekening").arg(i + 1);
        t->m_strLettertype = "DejaVu Sans";
        t->m_dLettergrootte = 4;
        t->m_dAnkerX = 30;
        t->m_dAnkerY = 95 - i * 9;
        t->m_nDekkingTekst = 80;
        t->m_bKleurvlak = 1;
        t->m_nKleurvlakMaat = i % 2;
        t->m_clrKleurlaag = 0x404000;
        t->m_nDekkingKleurlaag = 50;
        pPagina->VoegKindToe(std::move(t));

        auto b = std::make_unique<CDataItemPaginaItem>();
        b->InitTemplate();
        b->m_nItemSoort = ItemSoort::Afbeelding;
        b->m_strAfbeelding = strKlein;
        b->m_picture.Load(strKlein);
        b->m_nManierVanTonen = i % 3;
        b->m_dAnkerX = 60 + (i % 5) * 8;
        b->m_dAnkerY = 80 - (i / 5) * 30;
        b->m_dBreedte = 10;
        b->m_dHoogte = 15;
        b->m_nDekkingKleurvlak = 70;
        b->m_bRand = 1;
        b->m_dRandbreedte = 0.5;
        pPagina->VoegKindToe(std::move(b));

        for (int vorm : { 2, 0 }) {
            auto v = std::make_unique<CDataItemPaginaItem>();
            v->InitTemplate();
            v->m_nItemSoort = ItemSoort::Kleurvlak;
            v->m_bKleurvlak = 1;
            v->m_bTekstTonen = 0;
            v->m_nVorm = vorm;
            v->m_dAnkerX = 8 + i * 9;
            v->m_dAnkerY = vorm ? 25 : 12;
            v->m_dBreedte = 8;
            v->m_dHoogte = 10;
            v->m_clrKleurvlak = 0x2080F0;
            v->m_nDekkingKleurvlak = 50;
            v->m_bRand = 1;
            v->m_dRandbreedte = 0.3;
            pPagina->VoegKindToe(std::move(v));
        }
    }
    return pPagina;
}
