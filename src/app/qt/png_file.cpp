#include "app/qt/png_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSaveFile>

namespace orca {
namespace {

// A short write is not an error to the file, so the rest is written again
// until the system says why it cannot be.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

}  // namespace

std::string WritePngFile(const QImage& image, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return "the picture cannot be encoded";
    // Unbuffered, so that each write reaches the file and a short one is seen here.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, png) || !file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

}  // namespace orca
