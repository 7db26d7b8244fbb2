// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/picture_decoder.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace quarvel::ui::qt {

std::optional<image::Image> decodePicture(std::string_view bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // 16-bit colour at the most pixels the library measures.
    reader.setAllocationLimit(static_cast<int>(image::kMostPixels * 8 >> 20) + 1);
    const QSize size = reader.size();
    if (!reader.canRead()) return std::nullopt;
    if (size.isValid() && static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height()) > image::kMostPixels) {
        return image::Image{size.width(), size.height(), {}, 1};
    }
    const QImage read = reader.read();
    if (read.isNull()) return std::nullopt;
    const QImage grey = read.convertToFormat(QImage::Format_Grayscale16);
    image::Image out{grey.width(), grey.height(), {}, 1};
    out.values.resize(static_cast<std::size_t>(grey.width()) * static_cast<std::size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const auto* row = reinterpret_cast<const quint16*>(grey.constScanLine(y));
        std::copy(row, row + grey.width(), out.values.begin() + static_cast<std::ptrdiff_t>(y) * grey.width());
    }
    return out;
}

}  // namespace quarvel::ui::qt
