#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <utility>
#include <vector>

// What a remote may ask of the show: the same commands as the presenter's
// keys and clicks, nothing that opens files or edits the project.
struct SAfstandOpdracht {
    enum class Soort { Vorige, Volgende, Terug, Gong, StopGeluid, Item, SluitViewer };
    Soort soort = Soort::Volgende;
    int nItem = -1; // Item: the index of a clickable item of the page on show
};

// The show's state as a remote shows it.
struct SAfstandStaat {
    bool bLoopt = false;
    QString strPagina;
    QString strVolgende;
    // The clickable items of the page on show: index and name.
    std::vector<std::pair<int, QString>> aItems;
    bool bViewer = false;
    int nViewerOver = 0;
    bool bGeluid = false;
    bool bPauze = false;
    double dPositie = 0;
    double dLengte = -1;
    // Pictures change with time: clock fields, or the viewer's countdown.
    bool bLevend = false;
    // Changes whenever the page's picture changes other than with time: the
    // page, the indicator, the viewer.
    quint64 nBeeldSleutel = 0;
};

// The item rectangles of one picture, by item index, in its pixels.
using AfstandKlikvlak = std::vector<std::pair<int, QRect>>;

// The show as the remote server sees it, implemented over the show's control
// object. All calls come on the UI thread.
class IAfstandDoel {
public:
    virtual ~IAfstandDoel() = default;
    virtual SAfstandStaat Staat() const = 0;
    // The page on show (or the viewer) at a width, in the projector's
    // proportions, with the clickable items' rectangles at that size.
    virtual QImage Beeld(int nBreedte, AfstandKlikvlak& klikvlak) = 0;
    // The page that "Volgende" would show, at a width; null when none.
    virtual QImage VolgendBeeld(int nBreedte) = 0;
    virtual void Voer(const SAfstandOpdracht& opdracht) = 0;
};
