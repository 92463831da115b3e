#include "testing/Pictures.h"

#include <QImage>

#include <cstdlib>

bool looksAlike(const QImage &picture, const QImage &reference)
{
    constexpr int tolerance = 16; // of 255, on each channel
    if (picture.size() != reference.size())
        return false;
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    const auto near = [](int x, int y) { return std::abs(x - y) <= tolerance; };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (!near(qRed(p), qRed(q)) || !near(qGreen(p), qGreen(q)) || !near(qBlue(p), qBlue(q)))
                return false;
        }
    return true;
}
