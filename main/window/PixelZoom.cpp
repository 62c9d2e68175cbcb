#include "PixelZoom.h"

#include <QPainter>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype BandBytes = 64 * 1024;

// Fixed is the factor when known at compile time (0: take factor), so the common steps
// get loops of their own.
template <int Fixed>
void EnlargeRows(const QImage& image, const QRect& area, int factor, QImage& out)
{
    const int f = Fixed > 0 ? Fixed : factor;
    const size_t rowBytes = size_t(area.width()) * f * sizeof(QRgb);
    uchar* const bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    for (int y = 0; y < area.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(area.y() + y)) + area.x();
        uchar* const first = bits + stride * y * f;
        auto* pixel = reinterpret_cast<QRgb*>(first);
        for (int x = 0; x < area.width(); ++x)
            for (int copy = 0; copy < f; ++copy)
                *pixel++ = in[x];
        for (int copy = 1; copy < f; ++copy)
            std::memcpy(first + stride * copy, first, rowBytes);
    }
}

}

void PixelZoom::Draw(QPainter& painter, QPoint at, const QImage& image, const QRect& area, int factor)
{
    // Pixels of other sizes (a 16-bit display's) are left to the painter.
    if (image.depth() != 32) {
        painter.drawImage(QRect(at, area.size() * factor), image, area);
        return;
    }
    const int width = area.width() * factor;
    const int rows = std::max(1, int(BandBytes / (qsizetype(width) * factor * qsizetype(sizeof(QRgb)))));
    if (band.format() != image.format() || band.width() < width || band.height() < rows * factor)
        band = QImage(std::max(width, band.width()), std::max(rows * factor, band.height()), image.format());
    for (int top = 0; top < area.height(); top += rows) {
        const QRect part(area.x(), area.y() + top, area.width(), std::min(rows, area.height() - top));
        switch (factor) {
        case 2:
            EnlargeRows<2>(image, part, factor, band);
            break;
        case 3:
            EnlargeRows<3>(image, part, factor, band);
            break;
        default:
            EnlargeRows<0>(image, part, factor, band);
            break;
        }
        painter.drawImage(at + QPoint(0, top * factor), band, QRect(0, 0, width, part.height() * factor));
    }
}
