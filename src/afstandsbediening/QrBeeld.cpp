#include "QrBeeld.h"

#include <qrencode.h>

#include <memory>

namespace {

constexpr int nStilteModules = 4; // the quiet zone readers need around a code

} // namespace

QImage QrBeeld(const QString& strTekst, int nModule)
{
    const QByteArray tekst = strTekst.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> pCode(
        QRcode_encodeString(tekst.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!pCode || nModule <= 0)
        return {};
    const int nModules = pCode->width;
    const int nZijde = (nModules + 2 * nStilteModules) * nModule;
    QImage beeld(nZijde, nZijde, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    for (int y = 0; y < nModules; ++y) {
        for (int x = 0; x < nModules; ++x) {
            if (!(pCode->data[y * nModules + x] & 1))
                continue;
            const int nX = (x + nStilteModules) * nModule;
            const int nY = (y + nStilteModules) * nModule;
            for (int dy = 0; dy < nModule; ++dy) {
                auto* pRegel = reinterpret_cast<QRgb*>(beeld.scanLine(nY + dy));
                std::fill(pRegel + nX, pRegel + nX + nModule, qRgb(0, 0, 0));
            }
        }
    }
    return beeld;
}
