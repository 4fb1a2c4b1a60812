#include "document/qt/cp932_codec.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace orca {
namespace {

constexpr const char* kCp932Name = "Shift_JIS";

// Opening a converter costs more than converting a short run, so each
// thread keeps one of each; stateless, so runs do not affect each other.
QStringDecoder& cp932Decoder() {
    thread_local QStringDecoder decoder(kCp932Name, QStringDecoder::Flag::Stateless);
    return decoder;
}

// The converter's error mark cannot be cleared, so one that has seen an
// unrepresentable character is replaced by a fresh one.
QStringEncoder& cp932Encoder() {
    thread_local std::optional<QStringEncoder> encoder;
    if (!encoder || encoder->hasError()) encoder.emplace(kCp932Name, QStringEncoder::Flag::Stateless);
    return *encoder;
}

}  // namespace

void QtTextCodec::decodeCp932Run(std::string_view run, std::string& out) const {
    QString text = cp932Decoder().decode(QByteArrayView(run.data(), static_cast<qsizetype>(run.size())));
    // No character outside ASCII decodes to ASCII: the converter marks some
    // bad codes with a control character instead of U+FFFD.
    for (QChar& c : text) {
        if (c.unicode() < 0x80) c = QChar::ReplacementCharacter;
    }
    const QByteArray utf8 = text.toUtf8();
    out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

bool QtTextCodec::encodeCp932Run(std::string_view run, std::string& out) const {
    QStringEncoder& encoder = cp932Encoder();
    const QByteArray bytes =
        encoder.encode(QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size())));
    if (encoder.hasError()) return false;
    out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

}  // namespace orca
