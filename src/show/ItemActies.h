#pragma once

#include "model/IActies.h"

#include <QString>

#include <functional>

class CBestandZoeker;
class CDataItemBasis;
class CWndAfbeelding;
class IGeluidsmachine;
class IStarter;

// The item action: a sound, a picture in the viewer, a colour screen, or a
// program or document opened outside. Navigation belongs to the click
// dispatch of the presentation window.
class CItemActies : public IActies {
public:
    CItemActies(const CBestandZoeker& zoeker, IStarter& starter, IGeluidsmachine& geluid, CWndAfbeelding& viewer);

    void VoerUit(CDataItemBasis& item, int nArgument) override;
    void Stop(CDataItemBasis& item) override;
    bool Loopt(CDataItemBasis& item) override;

    // "@about" shows the program's about box.
    std::function<void()> m_overZerbantiko;
    // Told when what an action names could not be opened because it is not
    // there (the show's console says so; outside a show nothing is said).
    std::function<void(const QString&)> m_bijMislukt;

    // The colour of a colour word ("@red"), as COLORREF; false for another word.
    static bool KleurWoord(const QString& strWoord, quint32& clr);
    // The colours of "@rgb RRGGBB" and "@grad RRGGBB RRGGBB"; false when the
    // options are too short. Parts that are no hexadecimal read as 0.
    static bool LeesRgb(const QString& strOpties, quint32& clr);
    static bool LeesVerloop(const QString& strOpties, quint32& clr1, quint32& clr2);

    // The word lists, each word followed by one blank.
    static const QString& OpdrachtLijst();
    static const QString& NavigatieLijst();
    // Whether the command is one the presentation window carries out itself.
    static bool IsNavigatie(const QString& strOpdracht);

private:
    void VoerOpdrachtUit(CDataItemBasis& item);
    // The local file for a stored path, or the path itself when none is found
    // (a bare program name is left to the launcher).
    QString Lokaal(const QString& strPad) const;

    const CBestandZoeker& m_zoeker;
    IStarter& m_starter;
    IGeluidsmachine& m_geluid;
    CWndAfbeelding& m_viewer;
};
