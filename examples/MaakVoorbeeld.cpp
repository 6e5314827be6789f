// Makes the example project "Clubavond" with its pictures, using the
// program's own document and writer, so no file comes from elsewhere.
#include "file/ProjectBestand.h"
#include "model/ZerbantikoDoc.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

QString g_strMap;

QString Plaatje(const QString& strNaam, int w, int h, const std::function<void(QPainter&, int, int)>& teken)
{
    QImage beeld(w, h, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    teken(p, w, h);
    p.end();
    beeld.save(QDir(g_strMap).filePath(strNaam), strNaam.endsWith(".png") ? "PNG" : "JPEG",
        strNaam.endsWith(".png") ? -1 : 90);
    return strNaam; // stored relative to the project's folder
}

void Zonsondergang(QPainter& p, int w, int h)
{
    QLinearGradient lucht(0, 0, 0, h);
    lucht.setColorAt(0, QColor(30, 20, 80));
    lucht.setColorAt(0.55, QColor(240, 120, 60));
    lucht.setColorAt(0.56, QColor(40, 60, 110));
    lucht.setColorAt(1, QColor(10, 20, 40));
    p.fillRect(0, 0, w, h, lucht);
    QRadialGradient zon(w * 0.62, h * 0.55, h * 0.18);
    zon.setColorAt(0, QColor(255, 240, 180));
    zon.setColorAt(1, QColor(255, 160, 60, 0));
    p.setBrush(zon);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(w * 0.62, h * 0.55), h * 0.18, h * 0.18);
    p.setBrush(QColor(15, 25, 35));
    QPolygonF heuvels;
    heuvels << QPointF(0, h);
    for (int x = 0; x <= w; x += w / 40)
        heuvels << QPointF(x, h * 0.8 - std::sin(x * 6.0 / w) * h * 0.06 - std::sin(x * 17.0 / w) * h * 0.02);
    heuvels << QPointF(w, h);
    p.drawPolygon(heuvels);
}

void Tulpen(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, QColor(120, 190, 240));
    p.fillRect(0, h / 2, w, h / 2, QColor(60, 140, 50));
    const QColor aKleur[] = { QColor(220, 30, 40), QColor(250, 200, 30), QColor(230, 90, 170) };
    for (int rij = 0; rij < 6; ++rij) {
        for (int i = 0; i < 14; ++i) {
            const double x = (i + 0.5 + (rij % 2) * 0.5) * w / 14.0;
            const double y = h * (0.55 + rij * 0.08);
            const double r = h * (0.015 + rij * 0.006);
            p.setPen(QPen(QColor(30, 100, 30), r * 0.4));
            p.drawLine(QPointF(x, y), QPointF(x, y + r * 3));
            p.setPen(Qt::NoPen);
            p.setBrush(aKleur[(i + rij) % 3]);
            p.drawEllipse(QPointF(x, y), r, r * 1.3);
        }
    }
}

void Portret(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, QColor(230, 225, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 90, 140));
    p.drawEllipse(QPointF(w / 2.0, h * 1.05), w * 0.45, h * 0.4);
    p.setBrush(QColor(240, 200, 170));
    p.drawEllipse(QPointF(w / 2.0, h * 0.42), w * 0.22, h * 0.2);
    p.setBrush(QColor(90, 60, 40));
    p.drawChord(QRectF(w * 0.28, h * 0.2, w * 0.44, h * 0.3), 0, 180 * 16);
}

void Logo(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, QColor(250, 250, 250));
    p.setPen(QPen(QColor(200, 30, 30), w * 0.06));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QRectF(w * 0.1, h * 0.1, w * 0.8, h * 0.8));
    QFont f("DejaVu Sans");
    f.setPixelSize(int(h * 0.35));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, "ZB");
}

CDataItemBasis* Pagina(CZerbantikoDoc& doc, const char* szNaam)
{
    doc.SelecteerElement(doc.m_project.GetKind(doc.m_project.AantalKinderen() - 1));
    if (doc.m_project.AantalKinderen() == 0)
        doc.SelecteerElement(&doc.m_project);
    CDataItemBasis* p = doc.Invoegen(Soort::Pagina, 1);
    p->m_strNaam = QString::fromUtf8(szNaam);
    return p;
}

CDataItemBasis* Item(CZerbantikoDoc& doc, CDataItemBasis* pPagina, int nSjabloon)
{
    doc.SelecteerElement(pPagina);
    doc.m_ptInvoegPositie = { 0, 0 };
    // New items go to the end, so list order is the order of these calls.
    CDataItemBasis* p = doc.Invoegen(Soort::Item, nSjabloon);
    CDataItemBasis* pOuder = p->m_pOuder;
    pOuder->VoegKindToe(pOuder->NeemKindWeg(p->m_nIndex));
    return p;
}

CDataItemBasis* Tekst(CZerbantikoDoc& doc, CDataItemBasis* pPagina, const char* szTekst, double x, double y,
    double dGrootte, COLORREF clr)
{
    CDataItemBasis* p = Item(doc, pPagina, 1);
    p->m_strNaam = QString::fromUtf8(szTekst);
    p->m_dAnkerX = x;
    p->m_dAnkerY = y;
    p->m_dLettergrootte = dGrootte;
    p->m_clrTekst = clr;
    p->m_strLettertype = "DejaVu Sans";
    p->m_bKleurvlak = 0;
    return p;
}

void NaarPagina(CDataItemBasis* pItem, const char* szPagina)
{
    pItem->m_strOpdracht = "@page";
    pItem->m_strOpties = QString::fromUtf8(szPagina);
    pItem->m_bKlikbaar = 1;
}

QString WindowsPad(const QString& strPad)
{
    return strPad.isEmpty() ? strPad : "C:\\Documenten\\Clubavond\\" + strPad.toUpper();
}

void WindowsPaden(CDataItemBasis& e)
{
    if (!e.m_strOpdracht.isEmpty() && e.m_strOpdracht == e.m_strAfbeelding)
        e.m_strOpdracht = WindowsPad(e.m_strOpdracht);
    e.m_strAfbeelding = WindowsPad(e.m_strAfbeelding);
    for (const auto& pKind : e.Kinderen())
        WindowsPaden(*pKind);
}

bool Bewaar(CZerbantikoDoc& doc, const QString& strPad)
{
    const CBestandsResultaat r = ProjectBestand::Opslaan(doc, strPad);
    if (!r.Gelukt())
        std::fprintf(stderr, "%s\n", qPrintable(r.strMelding));
    return r.Gelukt();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: maak_voorbeeld MAP\n");
        return 2;
    }
    g_strMap = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_strMap);

    const QString strZon = Plaatje("zonsondergang.jpg", 2400, 1350, Zonsondergang);
    const QString strTulpen = Plaatje("tulpen.jpg", 1600, 1200, Tulpen);
    const QString strPortret = Plaatje("portret.jpg", 600, 800, Portret);
    const QString strLogo = Plaatje("logo.png", 400, 400, Logo);

    CZerbantikoDoc doc;
    doc.NieuwDocument();
    doc.m_project.m_strNaam = "Clubavond";
    doc.m_project.m_strToelichting = QString::fromUtf8("Voorbeeldproject: een avond met presentaties.");
    const QString strPad = QDir(g_strMap).filePath("Clubavond.zb");
    doc.SetPathName(strPad); // pictures are named relative to the project

    // Welcome page: photo zoomed to fill, a darkening layer, clock and date.
    CDataItemBasis* pWelkom = Pagina(doc, "Welkom");
    pWelkom->m_strAfbeelding = strZon;
    pWelkom->m_nManierVanTonen = Manier::Zoomen;
    pWelkom->m_clrKleurlaag = 0x000000;
    pWelkom->m_nDekkingKleurlaag = 35;
    pWelkom->m_picture.Load(doc.Zoeker().Zoek(strZon));
    CDataItemBasis* pTitel = Tekst(doc, pWelkom, "Welkom bij de clubavond", 50, 80, 11, 0xFFFFFF);
    pTitel->m_bVet = 1;
    pTitel->m_bKleurvlak = 1;
    pTitel->m_nKleurvlakMaat = BandMaat::VolleBreedte;
    pTitel->m_clrKleurlaag = 0x402000;
    pTitel->m_nDekkingKleurlaag = 55;
    CDataItemBasis* pKlok = Tekst(doc, pWelkom, "[T2]", 50, 50, 20, 0xF0F0FF);
    pKlok->m_bVet = 1;
    pKlok->m_nDekkingTekst = 85;
    Tekst(doc, pWelkom, "[DD] [D2]", 50, 32, 6, 0xE0E0E0);
    CDataItemBasis* pVerder = Tekst(doc, pWelkom, "Naar het programma  \u25B6", 96, 6, 4, 0xFFFFFF);
    pVerder->m_nAnkerH = Uitlijning::Eind;
    pVerder->m_nAnkerV = Uitlijning::Eind;
    NaarPagina(pVerder, "Programma");
    CDataItemBasis* pLogo = Item(doc, pWelkom, 2);
    pLogo->m_strNaam = "Clublogo";
    pLogo->m_strAfbeelding = strLogo;
    pLogo->m_picture.Load(doc.Zoeker().Zoek(strLogo));
    pLogo->m_dAnkerX = 3;
    pLogo->m_dAnkerY = 97;
    pLogo->m_nAnkerH = Uitlijning::Begin;
    pLogo->m_nAnkerV = Uitlijning::Begin;
    pLogo->m_dBreedte = 9;
    pLogo->m_dHoogte = 16;

    // Programme: clickable texts jumping to the other pages.
    CDataItemBasis* pProgramma = Pagina(doc, "Programma");
    pProgramma->m_clrKleurvlak = 0x402010;
    pProgramma->m_bKlikgebiedenMarkeren = 1;
    pProgramma->m_bSelectieZichtbaar = 1;
    pProgramma->m_nSelectieItem = 1;
    pProgramma->m_dRandbreedte = 0.5;
    Tekst(doc, pProgramma, "Programma", 8, 88, 10, 0x00D0FF)->m_nAnkerH = Uitlijning::Begin;
    const char* aPunten[][2] = { { "1.  Foto's van de zomer", "Foto's" }, { "2.  De tuinwedstrijd", "Tuin" },
        { "3.  Vormen en kleuren", "Vormen" }, { "4.  De uitslag", "Uitslag" } };
    for (int i = 0; i < 4; ++i) {
        CDataItemBasis* p = Tekst(doc, pProgramma, aPunten[i][0], 10, 68 - i * 14, 6, 0xFFFFFF);
        p->m_nAnkerH = Uitlijning::Begin;
        p->m_bKleurvlak = 1;
        p->m_nKleurvlakMaat = BandMaat::Eigen;
        p->m_clrKleurlaag = 0x805020;
        p->m_nDekkingKleurlaag = 60;
        NaarPagina(p, aPunten[i][1]);
    }
    CDataItemBasis* pTerug = Item(doc, pProgramma, 3);
    pTerug->m_strNaam = "Terug";
    pTerug->m_nVorm = Vorm::GelijkeZijden | Vorm::Ellips;
    pTerug->m_dBreedte = 6;
    pTerug->m_dAnkerX = 92;
    pTerug->m_dAnkerY = 12;
    pTerug->m_clrKleurvlak = 0x3030C0;
    pTerug->m_strOpdracht = "@back";

    // Photos: one item in each of the three fit modes, with borders.
    CDataItemBasis* pFotos = Pagina(doc, "Foto's");
    pFotos->m_clrKleurvlak = 0x202020;
    const char* aModi[] = { "Beeldverhouding behouden", "Uitvullen (stretch)", "Uitvullen (zoom vanuit het midden)" };
    const char* aFotoNamen[] = { "Tulpen, passend", "Portret, uitgerekt", "Tulpen, ingezoomd" };
    for (int i = 0; i < 3; ++i) {
        CDataItemBasis* p = Item(doc, pFotos, 2);
        p->m_strNaam = aFotoNamen[i];
        p->m_strAfbeelding = i == 1 ? strPortret : strTulpen;
        p->m_picture.Load(doc.Zoeker().Zoek(p->m_strAfbeelding));
        p->m_nManierVanTonen = i;
        p->m_dAnkerX = 18 + i * 32;
        p->m_dAnkerY = 55;
        p->m_dBreedte = 28;
        p->m_dHoogte = 55;
        p->m_bRand = 1;
        p->m_dRandbreedte = 0.6;
        p->m_clrRand = 0xE0E0E0;
        p->m_strOpdracht = p->m_strAfbeelding; // a click shows it full screen
        p->m_strOpties = "10"; // for ten seconds, with a countdown bar
        p->m_nPresentatievorm = i;
        CDataItemBasis* pOnder = Tekst(doc, pFotos, aModi[i], 18 + i * 32, 18, 3, 0xC0C0C0);
        pOnder->m_nAnkerV = Uitlijning::Begin;
    }
    CDataItemBasis* pFilter = Item(doc, pFotos, 2);
    pFilter->m_strNaam = "Zonsondergang als strook";
    pFilter->m_strAfbeelding = strZon;
    pFilter->m_picture.Load(doc.Zoeker().Zoek(strZon));
    pFilter->m_nManierVanTonen = Manier::Zoomen;
    pFilter->m_dAnkerX = 50;
    pFilter->m_dAnkerY = 92;
    pFilter->m_dBreedte = 90;
    pFilter->m_dHoogte = 10;
    pFilter->m_bKleurvlak = 1;
    pFilter->m_clrKleurlaag = 0x00A0FF;
    pFilter->m_nDekkingKleurlaag = 40;
    pFilter->m_nDekkingKleurvlak = 70;

    // Garden contest: background kept in proportion, bars beside it.
    CDataItemBasis* pTuin = Pagina(doc, "Tuin");
    pTuin->m_strAfbeelding = strTulpen;
    pTuin->m_picture.Load(doc.Zoeker().Zoek(strTulpen));
    pTuin->m_nManierVanTonen = Manier::Passend;
    pTuin->m_clrKleurvlak = 0x103010;
    pTuin->m_clrKleurlaag = 0x00FFFF;
    pTuin->m_nDekkingKleurlaag = 15;
    CDataItemBasis* pTuinTitel = Tekst(doc, pTuin, "De tuinwedstrijd", 50, 90, 9, 0x000000);
    pTuinTitel->m_bVet = 1;
    pTuinTitel->m_bKleurvlak = 1;
    pTuinTitel->m_clrKleurlaag = 0xFFFFFF;
    pTuinTitel->m_nDekkingKleurlaag = 70;
    pTuinTitel->m_bRand = 1;
    pTuinTitel->m_dRandbreedte = 0.4;
    pTuinTitel->m_clrRand = 0x0000C0;

    // Shapes: every shape, overlapping at half opacity, with borders.
    CDataItemBasis* pVormen = Pagina(doc, "Vormen");
    pVormen->m_clrKleurvlak = 0x503020;
    const COLORREF aKleuren[] = { 0x3030E0, 0x30C030, 0xE08020, 0x20C0E0 };
    for (int v = 0; v < 4; ++v) {
        CDataItemBasis* p = Item(doc, pVormen, 3);
        p->m_strNaam = QStringLiteral("vorm %1").arg(v);
        p->m_nVorm = v;
        p->m_dAnkerX = 20 + v * 20;
        p->m_dAnkerY = 50 + (v % 2) * 8;
        p->m_dBreedte = 22;
        p->m_dHoogte = 40;
        p->m_clrKleurvlak = aKleuren[v];
        p->m_nDekkingKleurvlak = 55;
        p->m_bRand = 1;
        p->m_dRandbreedte = 0.8;
        p->m_clrRand = 0xFFFFFF;
        p->m_nDekkingRand = 80;
    }
    // A click on a shape fills the screen: orange, a gradient, blue, the about box.
    const char* aOpdrachten[][2]
        = { { "@rgb", "FF8000" }, { "@grad", "000000 0000FF" }, { "@blue", "" }, { "@about", "" } };
    for (int v = 0; v < 4; ++v) {
        pVormen->GetKind(v)->m_strOpdracht = aOpdrachten[v][0];
        pVormen->GetKind(v)->m_strOpties = aOpdrachten[v][1];
    }
    CDataItemBasis* pBalk = Item(doc, pVormen, 3);
    pBalk->m_strNaam = "balk";
    pBalk->m_nKleurvlakMaat = BandMaat::VolleBreedte;
    pBalk->m_dAnkerY = 12;
    pBalk->m_dHoogte = 8;
    pBalk->m_clrKleurvlak = 0x000000;
    pBalk->m_nDekkingKleurvlak = 50;
    Tekst(doc, pVormen, "Rechthoek, vierkant, ellips & cirkel", 50, 12, 4, 0xFFFFFF)->m_bCursief = 1;

    // Results: a table of texts, the winner underlined.
    CDataItemBasis* pUitslag = Pagina(doc, "Uitslag");
    pUitslag->m_clrKleurvlak = 0x301010;
    Tekst(doc, pUitslag, "De uitslag", 50, 88, 10, 0x40E0FF)->m_bVet = 1;
    const char* aNamen[] = { "Familie Jansen", "Tuinclub De Roos", "Mevrouw De Vries" };
    for (int i = 0; i < 3; ++i) {
        CDataItemBasis* pPlaats
            = Tekst(doc, pUitslag, QStringLiteral("%1.").arg(i + 1).toUtf8().constData(), 30, 66 - i * 16, 7, 0xFFFFFF);
        pPlaats->m_nAnkerH = Uitlijning::Eind;
        CDataItemBasis* pNaam = Tekst(doc, pUitslag, aNamen[i], 34, 66 - i * 16, 7, i == 0 ? 0x30D0FF : 0xFFFFFF);
        pNaam->m_nAnkerH = Uitlijning::Begin;
        pNaam->m_bOnderlijnen = i == 0;
    }
    CDataItemBasis* pVoet = Tekst(doc, pUitslag, "[N], [DD] [Dd] [DM] [DJ]", 50, 5, 3, 0xA0A0A0);
    pVoet->m_nAnkerV = Uitlijning::Eind;

    doc.Selecteer(-1, -1);
    if (!Bewaar(doc, strPad))
        return 1;

    // The same project as a Windows computer made it: every path a Windows
    // path to a folder that does not exist here, its names in capitals.
    // Opened beside the pictures, it must show exactly the same.
    WindowsPaden(doc.m_project);
    for (int i = 1; i <= 4; ++i) {
        WindowsPaden(doc.SjabloonPagina(i));
        WindowsPaden(doc.SjabloonItem(i));
    }
    return Bewaar(doc, QDir(g_strMap).filePath("Clubavond (Windows).zb")) ? 0 : 1;
}
