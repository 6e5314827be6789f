#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
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

// The pictures of one moment of the show, taken on the UI thread and drawn
// afterwards on the remote's own drawing thread, so that the UI thread
// spends next to nothing on the phones' pictures.
class IAfstandTekening {
public:
    virtual ~IAfstandTekening() = default;
    // The page on show (or the viewer) at a width, in the projector's
    // proportions, with the clickable items' rectangles at that size.
    virtual QImage Huidig(int nBreedte, AfstandKlikvlak& klikvlak) = 0;
    // The page that "Volgende" would show; null when none.
    virtual QImage Volgend(int nBreedte) = 0;
};

// The show as the remote server sees it, implemented over the show's control
// object. All calls come on the UI thread.
class IAfstandDoel {
public:
    virtual ~IAfstandDoel() = default;
    virtual SAfstandStaat Staat() const = 0;
    // What the pictures need, as the show is now.
    virtual std::shared_ptr<IAfstandTekening> Opname() = 0;
    virtual void Voer(const SAfstandOpdracht& opdracht) = 0;
};
