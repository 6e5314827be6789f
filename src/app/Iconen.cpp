#include "Iconen.h"

#include "OpdrachtIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace Iconen {

namespace {

constexpr int nMaat = 16;
const QColor kleurLijn(50, 50, 50);

using Tekening = std::function<void(QPainter&)>;

struct SIcoon {
    int nOpdracht;
    const char* szThema;
    Tekening teken;
};

void Blad(QPainter& p, const QColor& kleur = Qt::white)
{
    p.setPen(kleurLijn);
    p.setBrush(kleur);
    p.drawPolygon(QPolygon({ { 3, 1 }, { 10, 1 }, { 13, 4 }, { 13, 14 }, { 3, 14 } }));
}

const SIcoon g_aIconen[] = {
    { Opdracht::Nieuw, "document-new", [](QPainter& p) { Blad(p); } },
    { Opdracht::Open, "document-open",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(230, 190, 90));
            p.drawRect(1, 4, 13, 9);
            p.drawRect(1, 2, 5, 2);
        } },
    { Opdracht::Opslaan, "document-save",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(70, 110, 190));
            p.drawRect(1, 1, 13, 13);
            p.setBrush(Qt::white);
            p.drawRect(4, 1, 7, 5);
        } },
    { Opdracht::OpslaanAls, "document-save-as",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(70, 110, 190));
            p.drawRect(1, 1, 13, 13);
            p.setBrush(QColor(250, 210, 80));
            p.drawRect(4, 8, 7, 6);
        } },
    { Opdracht::Afdrukken, "document-print",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(Qt::white);
            p.drawRect(4, 1, 8, 5);
            p.setBrush(QColor(150, 150, 150));
            p.drawRect(1, 6, 14, 6);
            p.setBrush(Qt::white);
            p.drawRect(4, 10, 8, 5);
        } },
    { Opdracht::Afdrukvoorbeeld, "document-print-preview",
        [](QPainter& p) {
            Blad(p);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(5, 5, 5, 5);
            p.drawLine(10, 10, 13, 13);
        } },
    { Opdracht::Afdrukinstelling, "document-page-setup",
        [](QPainter& p) {
            Blad(p);
            for (int y = 5; y <= 11; y += 3)
                p.drawLine(5, y, 11, y);
        } },
    { Opdracht::Afsluiten, "application-exit",
        [](QPainter& p) {
            p.setPen(QPen(QColor(190, 40, 40), 2));
            p.drawLine(3, 3, 12, 12);
            p.drawLine(12, 3, 3, 12);
        } },
    { Opdracht::Ongedaan, "edit-undo",
        [](QPainter& p) {
            p.setPen(QPen(kleurLijn, 2));
            p.drawArc(QRect(3, 4, 10, 9), 90 * 16, -200 * 16);
            p.setBrush(kleurLijn);
            p.drawPolygon(QPolygon({ { 1, 4 }, { 7, 1 }, { 7, 7 } }));
        } },
    { Opdracht::Opnieuw, "edit-redo",
        [](QPainter& p) {
            p.setPen(QPen(kleurLijn, 2));
            p.drawArc(QRect(3, 4, 10, 9), 90 * 16, 200 * 16);
            p.setBrush(kleurLijn);
            p.drawPolygon(QPolygon({ { 15, 4 }, { 9, 1 }, { 9, 7 } }));
        } },
    { Opdracht::Knippen, "edit-cut",
        [](QPainter& p) {
            p.setPen(QPen(kleurLijn, 1.5));
            p.drawLine(4, 1, 11, 10);
            p.drawLine(11, 1, 4, 10);
            p.drawEllipse(1, 10, 4, 4);
            p.drawEllipse(10, 10, 4, 4);
        } },
    { Opdracht::Kopieren, "edit-copy",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(Qt::white);
            p.drawRect(1, 1, 8, 10);
            p.drawRect(6, 5, 8, 10);
        } },
    { Opdracht::Plakken, "edit-paste",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(180, 130, 60));
            p.drawRect(2, 2, 11, 13);
            p.setBrush(Qt::white);
            p.drawRect(5, 5, 8, 9);
        } },
    { Opdracht::Verwijderen, "edit-delete",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(3, 4, 9, 11);
            p.drawLine(1, 3, 14, 3);
        } },
    { Opdracht::Eigenschappen, "document-properties",
        [](QPainter& p) {
            Blad(p);
            p.setPen(QPen(QColor(40, 90, 180), 2));
            p.drawLine(5, 11, 11, 5);
        } },
    { Opdracht::Over, "help-about",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(40, 90, 180));
            p.drawEllipse(1, 1, 13, 13);
            p.fillRect(7, 6, 2, 6, Qt::white);
            p.fillRect(7, 3, 2, 2, Qt::white);
        } },
    { Opdracht::Pagina, "x-office-presentation",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(70, 120, 200));
            p.drawRect(1, 3, 13, 9);
            p.drawLine(7, 12, 7, 14);
        } },
    { Opdracht::Tekst, "insert-text",
        [](QPainter& p) {
            p.fillRect(2, 2, 12, 2, kleurLijn);
            p.fillRect(7, 2, 2, 12, kleurLijn);
        } },
    { Opdracht::Afbeelding, "insert-image",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(150, 200, 250));
            p.drawRect(1, 2, 13, 11);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 150, 60));
            p.drawPolygon(QPolygon({ { 2, 13 }, { 7, 6 }, { 14, 13 } }));
        } },
    { Opdracht::Kleurvlak, "x-office-drawing",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(220, 70, 50));
            p.drawEllipse(1, 1, 13, 13);
        } },
    { Opdracht::Gong, "audio-volume-high",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(QColor(200, 150, 30));
            p.drawEllipse(2, 2, 11, 11);
            p.setBrush(QColor(240, 200, 80));
            p.drawEllipse(5, 5, 5, 5);
        } },
    { Opdracht::ShowStart, "media-playback-start",
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 140, 40));
            p.drawPolygon(QPolygon({ { 3, 2 }, { 14, 8 }, { 3, 14 } }));
        } },
    { Opdracht::ShowStop, "media-playback-stop", [](QPainter& p) { p.fillRect(3, 3, 10, 10, QColor(180, 30, 30)); } },
    { Opdracht::Repetitie, "media-playlist-repeat",
        [](QPainter& p) {
            p.setPen(kleurLijn);
            p.setBrush(Qt::white);
            p.drawRect(1, 2, 13, 10);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 140, 40));
            p.drawPolygon(QPolygon({ { 5, 4 }, { 11, 7 }, { 5, 10 } }));
        } },
    { Opdracht::Overzicht, "video-display",
        [](QPainter& p) {
            // Two screens: the operator's and the projector's.
            p.setPen(kleurLijn);
            p.setBrush(QColor(70, 110, 190));
            p.drawRect(1, 4, 7, 6);
            p.drawRect(8, 2, 6, 8);
            p.drawLine(4, 12, 4, 13);
            p.drawLine(11, 12, 11, 13);
        } },
};

QIcon Getekend(const Tekening& teken)
{
    QPixmap pm(nMaat, nMaat);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    teken(p);
    return QIcon(pm);
}

} // namespace

void KiesThema()
{
    // Without a desktop session Qt looks only in "hicolor", which has no
    // command icons; the desktop's default theme has them all.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

QIcon Voor(int nOpdracht)
{
    for (const SIcoon& icoon : g_aIconen) {
        if (icoon.nOpdracht == nOpdracht) {
            const QString strNaam = QString::fromLatin1(icoon.szThema);
            return QIcon::hasThemeIcon(strNaam) ? QIcon::fromTheme(strNaam) : Getekend(icoon.teken);
        }
    }
    return {};
}

} // namespace Iconen
