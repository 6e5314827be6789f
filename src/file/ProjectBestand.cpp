#include "ProjectBestand.h"

#include "ArchiefLezer.h"
#include "ArchiefSchrijver.h"
#include "ElementVelden.h"
#include "model/BestandZoeker.h"
#include "model/ProjectInhoud.h"
#include "model/Teksten.h"
#include "model/ZerbantikoDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <new>

namespace ProjectBestand {

namespace {

// What a record's children are: a project holds pages, a page holds items,
// an item holds nothing.
enum class Rol { Project, Pagina, Item };

// The smallest a tagged child can be is its two-byte tag.
constexpr qint64 nMinBytesPerKind = 2;
// Enough for the longest header in either form.
constexpr qint64 nKopBytes = 128;
// Far beyond any real project (a page with all its items takes a few
// kilobytes); a larger file is not taken into memory.
constexpr qint64 nMaxProjectBytes = 256ll * 1024 * 1024;

class CRecordLezer {
public:
    CRecordLezer(QByteArrayView data, const SLeesOpties& opties, const QString& strMap)
        : m_ar(data)
        , m_opties(opties)
        // Each element costs far more memory than the two bytes a reference
        // to an earlier one takes in the file, so the number of elements is
        // bounded by the file's size (a real record takes over 300 bytes).
        , m_nBudget(data.size() / 128 + 64)
    {
        m_zoeker.SetProjectMap(strMap);
    }

    CArchiefLezer& Archief() { return m_ar; }
    void SetFormaat(RecordFormaat formaat) { m_formaat = formaat; }

    void LeesRecord(CDataItemBasis& e, Rol rol)
    {
        ElementVelden(m_ar, e, m_formaat);
        // The record's class decides what it is: a page that claims to be an
        // item would otherwise take items into the project's own list, and
        // the next save would write a file that cannot be read.
        e.m_nSoort = quint8(rol == Rol::Project ? Soort::Project : rol == Rol::Pagina ? Soort::Pagina : Soort::Item);
        LeesKinderen(e, rol);
        if (rol != Rol::Project && !e.m_strAfbeelding.isEmpty() && m_opties.bAfbeeldingenLaden)
            e.m_picture.LoadZonderWachten(m_zoeker.Zoek(e.m_strAfbeelding));
    }

private:
    void Verbruik(qint64 n, qint64 nOffset)
    {
        m_nBudget -= n;
        if (m_nBudget < 0)
            m_ar.Fout(FoutSoort::OngeldigFormaat, nOffset);
    }

    static qint64 Telling(const CDataItemBasis& e)
    {
        qint64 n = 1;
        for (const auto& p : e.Kinderen())
            n += Telling(*p);
        return n;
    }

    void LeesKinderen(CDataItemBasis& ouder, Rol rol)
    {
        const qint64 nStart = m_ar.Positie();
        const quint32 n = m_ar.Count(nMinBytesPerKind);
        if (n == 0)
            return;
        // Nothing nests deeper than project, page, item.
        if (rol == Rol::Item)
            m_ar.Fout(FoutSoort::OnverwachtObject, nStart);
        const char* szVerwacht = rol == Rol::Project ? "CDataItemPagina" : "CDataItemPaginaItem";
        const Rol kindRol = rol == Rol::Project ? Rol::Pagina : Rol::Item;

        std::vector<std::unique_ptr<CDataItemBasis>> aKinderen;
        for (quint32 i = 0; i < n; ++i) {
            const qint64 nTag = m_ar.Positie();
            CArchiefLezer::STag tag = m_ar.LeesTag();
            switch (tag.soort) {
            case CArchiefLezer::STag::Null:
                // An empty entry holds nothing worth keeping; a list with a
                // hole in it would break every walk over the children.
                break;
            case CArchiefLezer::STag::Verwijzing:
                // The same element written twice: it gets its own copy, so
                // that no element has two owners.
                if (tag.klasseVanObject != szVerwacht)
                    m_ar.Fout(FoutSoort::OnverwachtObject, nTag);
                Verbruik(Telling(*tag.pObject), nTag);
                aKinderen.push_back(tag.pObject->Clone());
                break;
            case CArchiefLezer::STag::NieuwObject: {
                if (tag.klasse != szVerwacht)
                    m_ar.Fout(FoutSoort::OnverwachtObject, nTag);
                Verbruik(1, nTag);
                std::unique_ptr<CDataItemBasis> pKind;
                if (kindRol == Rol::Pagina)
                    pKind = std::make_unique<CDataItemPagina>();
                else
                    pKind = std::make_unique<CDataItemPaginaItem>();
                m_ar.RegistreerObject(pKind.get(), tag.klasse);
                LeesRecord(*pKind, kindRol);
                aKinderen.push_back(std::move(pKind));
                break;
            }
            }
        }
        ouder.VervangKinderen(std::move(aKinderen));
    }

    CArchiefLezer m_ar;
    RecordFormaat m_formaat = RecordFormaat::Huidig;
    SLeesOpties m_opties;
    CBestandZoeker m_zoeker; // from the project file's folder
    qint64 m_nBudget;
};

void SchrijfRecord(CArchiefSchrijver& ar, const CDataItemBasis& e)
{
    ElementVelden(ar, e, RecordFormaat::Huidig);
    ar.Count(quint32(e.AantalKinderen()));
    for (const auto& pKind : e.Kinderen()) {
        ar.ObjectTag(pKind->GetKlasseNaam());
        SchrijfRecord(ar, *pKind);
    }
}

CBestandsResultaat Fout(FoutSoort soort, qint64 nOffset, const QString& strBestand, const QString& strDetail = {})
{
    CBestandsResultaat r;
    r.soort = soort;
    r.nOffset = nOffset;
    r.strMelding = FoutMelding(soort, strBestand);
    if (!strDetail.isEmpty())
        r.strMelding += u'\n' + strDetail;
    return r;
}

} // namespace

CBestandsResultaat Lees(
    QByteArrayView data, const QString& strBestand, CProjectInhoud& inhoud, const SLeesOpties& opties)
{
    try {
        CRecordLezer lezer(data, opties, strBestand.isEmpty() ? QString() : QFileInfo(strBestand).absolutePath());
        const QString strVersie = lezer.Archief().String();
        bool bOudste = false;
        if (strVersie == QLatin1String(szVersieHuidig)) {
            lezer.SetFormaat(RecordFormaat::Huidig);
        } else if (strVersie == QLatin1String(szVersie63)) {
            lezer.SetFormaat(RecordFormaat::Oud);
        } else if (strVersie == QLatin1String(szVersie55)) {
            lezer.SetFormaat(RecordFormaat::Oud);
            bOudste = true;
        } else {
            // Not a project file: refuse it rather than open an empty project
            // under its name, which the next save would write over it.
            return Fout(FoutSoort::OnverwachtFormaat, 0, strBestand);
        }

        lezer.LeesRecord(inhoud.project, Rol::Project);
        if (bOudste) {
            lezer.LeesRecord(inhoud.aSjabloonPagina[0], Rol::Pagina);
            lezer.LeesRecord(inhoud.aSjabloonItem[0], Rol::Item);
            lezer.LeesRecord(inhoud.aSjabloonItem[1], Rol::Item);
        } else {
            for (auto& pagina : inhoud.aSjabloonPagina)
                lezer.LeesRecord(pagina, Rol::Pagina);
            for (auto& item : inhoud.aSjabloonItem)
                lezer.LeesRecord(item, Rol::Item);
        }
        inhoud.strVersie = strVersie;
        inhoud.bAlleSjablonen = !bOudste;
        if (inhoud.project.m_strNaam == Tekst::Laad(Tekst::NieuwProject))
            inhoud.project.m_strNaam = QFileInfo(strBestand).completeBaseName();
        return {};
    } catch (const CArchiefFout& f) {
        return Fout(f.soort, f.nOffset, strBestand);
    } catch (const std::bad_alloc&) {
        return Fout(FoutSoort::OngeldigFormaat, -1, strBestand);
    }
}

// Whether the file's first bytes can be a project's header. A file shorter
// than a header passes, so the reader names where it ends.
bool KanKopZijn(QByteArrayView kop)
{
    for (const char* szVersie : { szVersieHuidig, szVersie63, szVersie55 }) {
        const QByteArray versie(szVersie);
        // The short form: a length byte, then the characters; the wide form:
        // FF FE FF, a length byte, then UTF-16 characters.
        QByteArray breed("\xFF\xFE\xFF");
        breed += char(versie.size());
        for (char c : versie)
            breed += QByteArray(1, c) + '\0';
        for (const QByteArray& vorm : { char(versie.size()) + versie, breed }) {
            if (kop.startsWith(vorm) || QByteArrayView(vorm).startsWith(kop))
                return true;
        }
    }
    return false;
}

CBestandsResultaat LeesBestand(const QString& strPad, CProjectInhoud& inhoud, const SLeesOpties& opties)
{
    // Only a regular file: a device, pipe, socket or folder would never end
    // or never answer.
    const QFileInfo info(strPad);
    if (!info.isFile())
        return Fout(FoutSoort::Openen, -1, strPad);
    QFile file(strPad);
    if (!file.open(QIODevice::ReadOnly))
        return Fout(FoutSoort::Openen, -1, strPad, file.errorString());
    // The header first: a file that is no project is not read any further.
    const QByteArray kop = file.read(nKopBytes);
    if (file.error() != QFileDevice::NoError)
        return Fout(FoutSoort::Openen, -1, strPad, file.errorString());
    if (!KanKopZijn(kop))
        return Fout(FoutSoort::OnverwachtFormaat, 0, strPad);
    if (info.size() > nMaxProjectBytes)
        return Fout(FoutSoort::OngeldigFormaat, -1, strPad);
    const QByteArray data = kop + file.read(nMaxProjectBytes);
    if (file.error() != QFileDevice::NoError)
        return Fout(FoutSoort::Openen, -1, strPad, file.errorString());
    file.close();
    return Lees(QByteArrayView(data), strPad, inhoud, opties);
}

namespace {

QByteArray SchrijfDelen(const CDataItemProject& project, const std::array<CDataItemPagina, 4>& aPaginas,
    const std::array<CDataItemPaginaItem, 4>& aItems)
{
    CArchiefSchrijver ar;
    ar.String(QLatin1String(szVersieHuidig));
    SchrijfRecord(ar, project);
    for (const auto& pagina : aPaginas)
        SchrijfRecord(ar, pagina);
    for (const auto& item : aItems)
        SchrijfRecord(ar, item);
    return ar.Data();
}

} // namespace

QByteArray Schrijf(const CZerbantikoDoc& doc)
{
    return SchrijfDelen(doc.m_project, doc.SjabloonPaginas(), doc.SjabloonItems());
}

QByteArray Schrijf(const CProjectInhoud& inhoud)
{
    return SchrijfDelen(inhoud.project, inhoud.aSjabloonPagina, inhoud.aSjabloonItem);
}

std::unique_ptr<CProjectInhoud> Momentopname(const CZerbantikoDoc& doc)
{
    auto pInhoud = std::make_unique<CProjectInhoud>();
    pInhoud->strVersie = QLatin1String(szVersieHuidig);
    pInhoud->project.CopyFrom(doc.m_project);
    for (size_t i = 0; i < pInhoud->aSjabloonPagina.size(); ++i)
        pInhoud->aSjabloonPagina[i].CopyFrom(doc.SjabloonPaginas()[i]);
    for (size_t i = 0; i < pInhoud->aSjabloonItem.size(); ++i)
        pInhoud->aSjabloonItem[i].CopyFrom(doc.SjabloonItems()[i]);
    return pInhoud;
}

bool Schrijf(QIODevice& doel, const CZerbantikoDoc& doc)
{
    const QByteArray data = Schrijf(doc);
    return doel.write(data) == data.size();
}

CBestandsResultaat Open(CZerbantikoDoc& doc, const QString& strPad)
{
    auto pInhoud = std::make_unique<CProjectInhoud>();
    CBestandsResultaat r = LeesBestand(strPad, *pInhoud);
    if (r.Gelukt())
        doc.NeemOver(*pInhoud, strPad);
    return r;
}

CBestandsResultaat Opslaan(CZerbantikoDoc& doc, const QString& strPad)
{
    QSaveFile file(strPad);
    if (!file.open(QIODevice::WriteOnly))
        return Fout(FoutSoort::Opslaan, -1, strPad, file.errorString());
    if (!Schrijf(file, doc)) {
        const QString strReden = file.errorString();
        file.cancelWriting();
        return Fout(FoutSoort::Opslaan, -1, strPad, strReden);
    }
    if (!file.commit())
        return Fout(FoutSoort::Opslaan, -1, strPad, file.errorString());
    doc.SetPathName(strPad);
    doc.SetTitle(QFileInfo(strPad).fileName());
    doc.MarkeerOpgeslagen();
    return {};
}

} // namespace ProjectBestand
