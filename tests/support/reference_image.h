#pragma once
// Compares a rendering with a committed reference image, so a change in
// the look fails a test until the reference is retaken on purpose.
//
// The rendering is always written to `galleryPath` to be looked at. With
// TORVEL_UPDATE_REFERENCES=1 in the environment the reference is replaced
// by it instead of compared.

#include <gtest/gtest.h>
#include <QImage>
#include <QString>

namespace torvel::test {

inline ::testing::AssertionResult
matchesReference(const QImage& image, const QString& referencePath, const QString& galleryPath) {
    image.save(galleryPath);
    if (qEnvironmentVariableIntValue("TORVEL_UPDATE_REFERENCES") == 1) {
        return image.save(referencePath) ? ::testing::AssertionSuccess()
                                         : ::testing::AssertionFailure()
                                               << "cannot write " << referencePath.toStdString();
    }
    const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_ARGB32);
    const QImage actual = image.convertToFormat(QImage::Format_ARGB32);
    if (reference.size() != actual.size()) {
        return ::testing::AssertionFailure()
               << referencePath.toStdString() << ": size " << reference.width() << "x"
               << reference.height() << ", rendered " << actual.width() << "x" << actual.height()
               << " (see " << galleryPath.toStdString() << ")";
    }
    // Anti-aliasing may differ by a few levels between font builds; a moved
    // or recoloured part changes many pixels by much more.
    long different = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int d = std::max(
                {std::abs(qRed(a[x]) - qRed(r[x])), std::abs(qGreen(a[x]) - qGreen(r[x])),
                 std::abs(qBlue(a[x]) - qBlue(r[x])), std::abs(qAlpha(a[x]) - qAlpha(r[x]))});
            different += d > 24 ? 1 : 0;
        }
    }
    const long allowed = static_cast<long>(actual.width()) * actual.height() / 200; // 0.5 %
    if (different > allowed) {
        return ::testing::AssertionFailure()
               << different << " pixels differ from " << referencePath.toStdString() << " (see "
               << galleryPath.toStdString() << "; TORVEL_UPDATE_REFERENCES=1 retakes it)";
    }
    return ::testing::AssertionSuccess();
}

} // namespace torvel::test
