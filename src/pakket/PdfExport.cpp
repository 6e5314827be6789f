#include "PdfExport.h"

#include "model/DataItemPagina.h"
#include "model/DataItemProject.h"
#include "render/PaginaTekenaar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Pixels of the pages per inch: the page's size in the PDF is its size on a
// screen of this density.
constexpr int nDpi = 96;
// The end of a PDF holds its trailer; objects of a catalog or page tree are
// far smaller than this.
constexpr qint64 nStaartBytes = 4096;
constexpr qint64 nMaxObjectBytes = 1 << 20;

// A text as a PDF text string: UTF-16 with its byte order mark, in hex.
QByteArray PdfTekst(const QString& str)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : str)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

int Getal(const QByteArray& tekst, const char* szPatroon)
{
    const QRegularExpressionMatch m = QRegularExpression(QLatin1String(szPatroon)).match(QString::fromLatin1(tekst));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QByteArray Lees(QFile& f, qint64 nVanaf, qint64 n)
{
    return f.seek(nVanaf) ? f.read(n) : QByteArray();
}

// The PDF as Qt wrote it, read where needed: the trailer at its end, and
// objects through its cross-reference table.
class CPdfLezer {
public:
    explicit CPdfLezer(QFile& f)
        : m_f(f)
    {
        const qint64 nGrootte = f.size();
        const QByteArray staart = Lees(f, std::max<qint64>(0, nGrootte - nStaartBytes), nStaartBytes);
        const qsizetype nTrailer = staart.lastIndexOf("trailer");
        const qsizetype nStart = staart.lastIndexOf("startxref");
        if (nTrailer < 0 || nStart < nTrailer)
            return;
        m_trailer = staart.mid(nTrailer, nStart - nTrailer);
        m_nXref = staart.mid(nStart + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
        // One section "0 N" of entries of 20 bytes.
        const QByteArray kop = Lees(f, m_nXref, 64);
        const QRegularExpressionMatch m
            = QRegularExpression(QStringLiteral("^xref\\s+0\\s+(\\d+)\\s*\\n")).match(QString::fromLatin1(kop));
        if (!m.hasMatch())
            return;
        m_nAantal = m.captured(1).toInt();
        m_nEersteIngang = m_nXref + m.capturedEnd(0);
    }

    const QByteArray& Trailer() const { return m_trailer; }
    qint64 Xref() const { return m_nXref; }

    // The object's body, between "N 0 obj" and "endobj".
    QByteArray Object(int n)
    {
        if (n <= 0 || n >= m_nAantal)
            return {};
        const qint64 nOffset = Lees(m_f, m_nEersteIngang + qint64(n) * 20, 10).toLongLong();
        const QByteArray data = Lees(m_f, nOffset, nMaxObjectBytes);
        const QByteArray kop = QByteArray::number(n) + " 0 obj";
        const qsizetype nEind = data.indexOf("endobj");
        if (!data.startsWith(kop) || nEind < 0)
            return {};
        return data.mid(kop.size(), nEind - kop.size()).trimmed();
    }

private:
    QFile& m_f;
    QByteArray m_trailer;
    qint64 m_nXref = -1;
    int m_nAantal = 0;
    qint64 m_nEersteIngang = 0;
};

// The page names as the PDF's outline, appended to the file as an
// incremental update (new objects, a new catalog, and a cross-reference
// section for them), which every reader understands. What Qt wrote is left
// as it is.
bool VoegBladwijzersToe(QFile& f, const QStringList& aNamen)
{
    CPdfLezer lezer(f);
    const int nGrootte = Getal(lezer.Trailer(), "/Size\\s+(\\d+)");
    const int nWortel = Getal(lezer.Trailer(), "/Root\\s+(\\d+)\\s+0\\s+R");
    const int nInfo = Getal(lezer.Trailer(), "/Info\\s+(\\d+)\\s+0\\s+R");
    QByteArray catalogus = lezer.Object(nWortel);
    const QByteArray paginas = lezer.Object(Getal(catalogus, "/Pages\\s+(\\d+)\\s+0\\s+R"));
    const QRegularExpressionMatch kids
        = QRegularExpression(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]")).match(QString::fromLatin1(paginas));
    QList<int> aPaginas;
    for (auto it = QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(kids.captured(1)); it.hasNext();)
        aPaginas << it.next().captured(1).toInt();
    if (nGrootte <= 0 || lezer.Xref() <= 0 || !catalogus.endsWith(">>") || aPaginas.size() != aNamen.size()
        || aNamen.isEmpty())
        return false;

    const qint64 nEinde = f.size();
    const int nOverzicht = nGrootte;
    const auto item = [&](int i) { return nOverzicht + 1 + i; };
    QList<QPair<int, qint64>> aPlaatsen;
    QByteArray bij = "\n";
    const auto schrijf = [&](int n, const QByteArray& inhoud) {
        aPlaatsen.append({ n, nEinde + bij.size() });
        bij += QByteArray::number(n) + " 0 obj\n" + inhoud + "\nendobj\n";
    };
    const int nAantal = int(aNamen.size());
    schrijf(nOverzicht,
        "<< /Type /Outlines /First " + QByteArray::number(item(0)) + " 0 R /Last "
            + QByteArray::number(item(nAantal - 1)) + " 0 R /Count " + QByteArray::number(nAantal) + " >>");
    for (int i = 0; i < nAantal; ++i) {
        QByteArray o = "<< /Title " + PdfTekst(aNamen[i]) + " /Parent " + QByteArray::number(nOverzicht)
            + " 0 R /Dest [" + QByteArray::number(aPaginas[i]) + " 0 R /Fit]";
        if (i > 0)
            o += " /Prev " + QByteArray::number(item(i - 1)) + " 0 R";
        if (i + 1 < nAantal)
            o += " /Next " + QByteArray::number(item(i + 1)) + " 0 R";
        schrijf(item(i), o + " >>");
    }
    catalogus.chop(2);
    schrijf(nWortel, catalogus + " /Outlines " + QByteArray::number(nOverzicht) + " 0 R /PageMode /UseOutlines >>");

    const qint64 nXref = nEinde + bij.size();
    QByteArray xref = "xref\n";
    std::sort(aPlaatsen.begin(), aPlaatsen.end());
    for (qsizetype i = 0; i < aPlaatsen.size();) {
        qsizetype j = i + 1;
        while (j < aPlaatsen.size() && aPlaatsen[j].first == aPlaatsen[j - 1].first + 1)
            ++j;
        xref += QByteArray::number(aPlaatsen[i].first) + ' ' + QByteArray::number(j - i) + '\n';
        for (qsizetype k = i; k < j; ++k)
            xref += QByteArray::number(aPlaatsen[k].second).rightJustified(10, '0') + " 00000 n \n";
        i = j;
    }
    bij += xref + "trailer\n<< /Size " + QByteArray::number(item(nAantal - 1) + 1) + " /Root "
        + QByteArray::number(nWortel) + " 0 R";
    if (nInfo > 0)
        bij += " /Info " + QByteArray::number(nInfo) + " 0 R";
    bij += " /Prev " + QByteArray::number(lezer.Xref()) + " >>\nstartxref\n" + QByteArray::number(nXref) + "\n%%EOF\n";
    return f.seek(nEinde) && f.write(bij) == bij.size() && f.flush();
}

} // namespace

bool SchrijfPdf(
    CDataItemProject& project, const QString& strDoel, const QSize& maat, const IKlok& klok, QString& strFout)
{
    const int W = maat.width(), H = maat.height();
    if (project.AantalKinderen() == 0) {
        strFout = QStringLiteral("Het project heeft geen pagina's.");
        return false;
    }
    // As a window's paint does: the page bitmap's size goes into the project first.
    project.m_sizeDoel = { W, H };
    project.m_rectMonitor = { 0, 0, W, H };
    CPaginaTekenaar tekenaar(CPaginaTekenaar::Variant::Presentatie, klok);
    tekenaar.SetProjectNaam(project.m_strNaam);

    // Written beside the target, page by page, and put in its place whole.
    const QFileInfo doelInfo(strDoel);
    const QString strDeel = doelInfo.absoluteDir().filePath(
        QStringLiteral(".%1.%2.deel").arg(doelInfo.fileName(), QUuid::createUuid().toString(QUuid::Id128).left(8)));
    QFile bestand(strDeel);
    const auto mislukt = [&](const QString& strMelding) {
        strFout = strMelding;
        bestand.close();
        QFile::remove(strDeel);
        return false;
    };
    const QString strNietGeschreven = QStringLiteral("Het bestand %1 kan niet worden geschreven.").arg(strDoel);
    if (!bestand.open(QIODevice::ReadWrite | QIODevice::NewOnly))
        return mislukt(strNietGeschreven);
    QStringList aNamen;
    {
        QPdfWriter schrijver(&bestand);
        schrijver.setResolution(nDpi);
        schrijver.setPageSize(QPageSize(QSizeF(W, H) * 72.0 / nDpi, QPageSize::Point, {}, QPageSize::ExactMatch));
        schrijver.setPageMargins(QMarginsF(0, 0, 0, 0));
        schrijver.setTitle(project.m_strNaam);
        schrijver.setCreator(QStringLiteral("Zerbantiko"));
        QPainter painter;
        if (!painter.begin(&schrijver))
            return mislukt(QStringLiteral("De PDF kan niet worden gemaakt."));
        QImage beeld(W, H, QImage::Format_RGB32);
        for (int i = 0; i < project.AantalKinderen(); ++i) {
            auto* pPagina = static_cast<CDataItemPagina*>(project.GetKind(i));
            if (i > 0)
                schrijver.newPage();
            tekenaar.DrawPage(beeld, *pPagina, nullptr);
            painter.drawImage(QRect(0, 0, W, H), beeld);
            aNamen << pPagina->m_strNaam;
        }
        painter.end();
    }
    if (bestand.error() != QFileDevice::NoError)
        return mislukt(QStringLiteral("%1 %2").arg(strNietGeschreven, bestand.errorString()));
    if (!VoegBladwijzersToe(bestand, aNamen))
        return mislukt(QStringLiteral("De PDF kan niet worden gemaakt (de bladwijzers)."));
    const bool bOpSchijf = ::fsync(bestand.handle()) == 0;
    bestand.close();
    if (!bOpSchijf || std::rename(QFile::encodeName(strDeel).constData(), QFile::encodeName(strDoel).constData()) != 0)
        return mislukt(strNietGeschreven);
    return true;
}
