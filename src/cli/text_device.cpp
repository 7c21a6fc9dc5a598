#include "text_device.h"

#include "batch/batch.h"
#include "gb18030.h"

namespace orvane::cli {

namespace {

constexpr qint64 kChunk = 64 * 1024;

}  // namespace

TextEncoding detectEncoding(QIODevice& device) {
    const QByteArray head = device.peek(4);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        throw batch::BadTable("the table is UTF-16 text: save it as CSV (UTF-8, or the Chinese default GB18030)");
    }
    if (head.startsWith("PK\x03\x04"))
        throw batch::BadTable("the file is a workbook, not a table: save it as CSV");

    QStringDecoder utf8(QStringDecoder::Utf8);
    while (!device.atEnd()) {
        (void)QString(utf8.decode(device.read(kChunk)));
        if (utf8.hasError()) break;
    }
    // A sequence cut off at the end of the text is no UTF-8 either: a line break after it shows it.
    (void)QString(utf8.decode(QByteArrayView("\n")));
    const bool isUtf8 = !utf8.hasError();
    if (!device.seek(0))
        throw batch::BadTable("the table cannot be read twice: %1", {device.errorString().toStdString()});
    if (isUtf8) return TextEncoding::Utf8;
    if (!Gb18030Decoder::available()) {
        throw batch::BadTable(
            "the table is not UTF-8 text, and this build of Qt cannot decode GB18030: save it as "
            "CSV UTF-8");
    }
    return TextEncoding::Gb18030;
}

DeviceInput::DeviceInput(QIODevice& device, TextEncoding encoding) : device_(device) {
    if (encoding == TextEncoding::Gb18030) decoder_.emplace();
}

DeviceInput::int_type DeviceInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    do {
        raw_ = device_.read(kChunk);
        if (raw_.isEmpty()) return traits_type::eof();
        if (decoder_) {
            text_ = QString(decoder_->decode(raw_)).toUtf8();
            if (device_.atEnd()) {
                // A sequence cut off at the end of the text: a line break after it shows it.
                QString tail = decoder_->decode(QByteArrayView("\n"));
                tail.chop(1);
                text_ += tail.toUtf8();
            }
            if (decoder_->hasError()) throw batch::BadTable("the table is neither UTF-8 nor GB18030 text");
        } else {
            text_ = raw_;
        }
    } while (text_.isEmpty());
    setg(text_.data(), text_.data(), text_.data() + text_.size());
    return traits_type::to_int_type(*gptr());
}

DeviceOutput::DeviceOutput(QIODevice& device) : device_(device) {
    buffer_.resize(kChunk);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DeviceOutput::~DeviceOutput() {
    sync();
}

DeviceOutput::int_type DeviceOutput::overflow(int_type c) {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DeviceOutput::sync() {
    const qint64 n = pptr() - pbase();
    if (n > 0 && device_.write(pbase(), n) != n) failed_ = true;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return failed_ ? -1 : 0;
}

}  // namespace orvane::cli
