#include "gb18030.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvane::cli {

namespace {

bool within(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

#ifdef _WIN32
// GB18030 is code page 54936. A system without it (Wine 8) still has 936, GBK, the two-byte part of
// GB18030 that a spreadsheet on Chinese Windows saves in: four-byte sequences are then refused.
constexpr UINT kCodePageGb18030 = 54936;
constexpr UINT kCodePageGbk = 936;

UINT windowsGbCodePage() {
    static const UINT page = IsValidCodePage(kCodePageGb18030) != 0 ? kCodePageGb18030 : kCodePageGbk;
    return page;
}

bool windowsHasGb18030() {
    return IsValidCodePage(windowsGbCodePage()) != 0;
}

bool windowsHasFourByteGb18030() {
    return windowsGbCodePage() == kCodePageGb18030;
}

// Whole GB18030 sequences to text through the system's converter; nullopt when it refuses them.
std::optional<QString> windowsDecodeGb18030(QByteArrayView bytes) {
    if (bytes.isEmpty()) return QString();
    const UINT page = windowsGbCodePage();
    const int inSize = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), inSize, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), inSize, wide.data(), n) != n)
        return std::nullopt;
    return QString::fromWCharArray(wide.data(), n);
}
#else
bool windowsHasGb18030() {
    return false;
}

bool windowsHasFourByteGb18030() {
    return false;
}

std::optional<QString> windowsDecodeGb18030(QByteArrayView) {
    return std::nullopt;
}
#endif

}  // namespace

Gb18030Split splitGb18030(QByteArrayView bytes) {
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (!within(lead, 0x81, 0xFE)) return {i, true};
        if (i + 1 == size) return {i, false};
        const unsigned char second = at(i + 1);
        if (within(second, 0x40, 0x7E) || within(second, 0x80, 0xFE)) {
            i += 2;
            continue;
        }
        if (!within(second, 0x30, 0x39)) return {i, true};
        if (i + 2 == size) return {i, false};
        if (!within(at(i + 2), 0x81, 0xFE)) return {i, true};
        if (i + 3 == size) return {i, false};
        if (!within(at(i + 3), 0x30, 0x39)) return {i, true};
        i += 4;
    }
    return {size, false};
}

Gb18030Decoder::Gb18030Decoder() {
    // Made in place: Qt's ICU converter reports errors to the state it was made with, so it is not moved.
    qt_.emplace("GB18030");
    if (!qt_->isValid()) qt_.reset();
}

bool Gb18030Decoder::available() {
    return QStringDecoder("GB18030").isValid() || windowsHasGb18030();
}

bool Gb18030Decoder::decodesFourByteSequences() {
    return QStringDecoder("GB18030").isValid() || windowsHasFourByteGb18030();
}

QString Gb18030Decoder::decode(QByteArrayView bytes) {
    if (qt_) return qt_->decode(bytes);
    if (error_) return {};
    const QByteArray data = pending_ + bytes.toByteArray();
    const Gb18030Split split = splitGb18030(data);
    const std::optional<QString> text = windowsDecodeGb18030(QByteArrayView(data).first(split.whole));
    error_ = split.invalid || !text;
    pending_ = error_ ? QByteArray() : data.mid(split.whole);
    return text.value_or(QString());
}

bool Gb18030Decoder::hasError() const {
    return qt_ ? qt_->hasError() : error_;
}

}  // namespace orvane::cli
