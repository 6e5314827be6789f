#include "PdfExport.h"

#include "model/DataItemPagina.h"
#include "model/DataItemProject.h"
#include "render/PaginaTekenaar.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// Pixels of the pages per inch: the page's size in the PDF is its size on a
// screen of this density.
constexpr int nDpi = 96;

// A text as a PDF text string: UTF-16 with its byte order mark, in hex.
QByteArray PdfTekst(const QString& str)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : str)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

// The page names as the PDF's outline, added to the file as an incremental
// update (new objects, a new catalog, and a cross-reference section for
// them), which every reader understands. The file Qt wrote is left as it is.
bool VoegBladwijzersToe(QByteArray& pdf, const QStringList& aNamen)
{
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)"), QRegularExpression::DotMatchesEverythingOption);
    QRegularExpressionMatch m;
    // The last trailer is the one that counts.
    for (auto it = trailer.globalMatch(QString::fromLatin1(pdf)); it.hasNext();)
        m = it.next();
    if (!m.hasMatch())
        return false;
    const QString strTrailer = m.captured(1);
    const auto getal = [&strTrailer](const char* szSleutel, const char* szAchter) {
        const QRegularExpressionMatch g = QRegularExpression(
            QStringLiteral("/%1\\s+(\\d+)%2").arg(QLatin1String(szSleutel), QLatin1String(szAchter)))
                                              .match(strTrailer);
        return g.hasMatch() ? g.captured(1).toInt() : -1;
    };
    const int nGrootte = getal("Size", "");
    const int nWortel = getal("Root", "\\s+0\\s+R");
    const int nInfo = getal("Info", "\\s+0\\s+R");
    const QByteArray vorigeXref = m.captured(2).toLatin1();
    if (nGrootte <= 0 || nWortel <= 0)
        return false;

    const auto object = [&pdf](int n) -> QByteArray {
        const QRegularExpression re(
            QStringLiteral("(?:^|\\s)%1 0 obj(.*?)endobj").arg(n), QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch o = re.match(QString::fromLatin1(pdf));
        return o.hasMatch() ? o.captured(1).trimmed().toLatin1() : QByteArray();
    };
    QByteArray catalogus = object(nWortel);
    const QRegularExpressionMatch pages
        = QRegularExpression(QStringLiteral("/Pages\\s+(\\d+)\\s+0\\s+R")).match(QString::fromLatin1(catalogus));
    if (!catalogus.endsWith(">>") || !pages.hasMatch())
        return false;
    const QRegularExpressionMatch kids = QRegularExpression(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"))
                                             .match(QString::fromLatin1(object(pages.captured(1).toInt())));
    QList<int> aPaginas;
    for (auto it = QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(kids.captured(1)); it.hasNext();)
        aPaginas << it.next().captured(1).toInt();
    if (aPaginas.size() != aNamen.size())
        return false;

    const int nOverzicht = nGrootte;
    const auto item = [&](int i) { return nOverzicht + 1 + i; };
    QList<QPair<int, qsizetype>> aPlaatsen;
    QByteArray bij = "\n";
    const auto schrijf = [&](int n, const QByteArray& inhoud) {
        aPlaatsen.append({ n, pdf.size() + bij.size() });
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

    const qsizetype nXref = pdf.size() + bij.size();
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
    bij += " /Prev " + vorigeXref + " >>\nstartxref\n" + QByteArray::number(nXref) + "\n%%EOF\n";
    pdf += bij;
    return true;
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

    QByteArray pdf;
    QStringList aNamen;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter schrijver(&buffer);
        schrijver.setResolution(nDpi);
        schrijver.setPageSize(QPageSize(QSizeF(W, H) * 72.0 / nDpi, QPageSize::Point, {}, QPageSize::ExactMatch));
        schrijver.setPageMargins(QMarginsF(0, 0, 0, 0));
        schrijver.setTitle(project.m_strNaam);
        schrijver.setCreator(QStringLiteral("Zerbantiko"));
        QPainter painter;
        if (!painter.begin(&schrijver)) {
            strFout = QStringLiteral("De PDF kan niet worden gemaakt.");
            return false;
        }
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
    if (!VoegBladwijzersToe(pdf, aNamen)) {
        strFout = QStringLiteral("De PDF kan niet worden gemaakt (de inhoudsopgave).");
        return false;
    }
    QSaveFile bestand(strDoel);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(pdf) != pdf.size() || !bestand.commit()) {
        strFout = QStringLiteral("Het bestand %1 kan niet worden geschreven: %2").arg(strDoel, bestand.errorString());
        return false;
    }
    return true;
}
