#include "app/qt/png_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <string_view>

#include "document/qt/file_overwrite.h"

namespace orca {

std::string WritePngFile(const QImage& image, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return "the picture cannot be encoded";
    // Unbuffered, so that each write reaches the file and a short one is seen here.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !WriteAll(file, std::string_view(png.constData(), static_cast<std::size_t>(png.size()))) ||
        !file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

}  // namespace orca
