#pragma once

#include <QImage>

class QPainter;
class QPoint;
class QRect;

// Draws parts of an image enlarged by a whole factor, each pixel a square block of its
// colour: nearest neighbour. Done by hand, as every row of a block is a copy of its
// first, which makes it several times faster than a painter's general scaling.
class PixelZoom {
public:
    // The area of the image, drawn with its top-left corner at the painter's point.
    void Draw(QPainter& painter, QPoint at, const QImage& image, const QRect& area, int factor);

private:
    // A band of enlarged rows at a time, small enough to stay in the processor's cache.
    QImage band;
};
