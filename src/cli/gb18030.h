#pragma once
// GB18030, what a spreadsheet on Chinese Windows saves as "CSV", decoded chunk by chunk. Qt decodes it
// where it has ICU (Debian's Qt); a Qt without ICU (the Windows build) decodes it through the system's
// code page 54936, or 936 (GBK, two-byte sequences only) where the system lacks 54936 (Wine).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace orvane::cli {

// Where `bytes` stops being whole GB18030 sequences (one byte below 0x80; two bytes, a lead 0x81–0xFE
// and a trail 0x40–0x7E or 0x80–0xFE; four bytes, lead, 0x30–0x39, 0x81–0xFE, 0x30–0x39): `whole`
// bytes from the start are whole sequences. When `invalid`, a malformed sequence starts there;
// otherwise what follows is the beginning of a sequence cut off by the end of `bytes`.
struct Gb18030Split {
    qsizetype whole = 0;
    bool invalid = false;
    friend bool operator==(const Gb18030Split&, const Gb18030Split&) = default;
};
Gb18030Split splitGb18030(QByteArrayView bytes);

class Gb18030Decoder {
  public:
    Gb18030Decoder();

    // Whether this system decodes GB18030 at all.
    static bool available();
    // Whether it decodes the four-byte sequences too (characters beyond GBK), not only GBK.
    static bool decodesFourByteSequences();

    // The text of `bytes`; a sequence cut off at their end is completed by the next call's bytes.
    QString decode(QByteArrayView bytes);
    // Whether any bytes so far were no GB18030.
    bool hasError() const;

  private:
    std::optional<QStringDecoder> qt_;  // when Qt has the codec
    QByteArray pending_;                // otherwise: the start of a sequence cut off by a chunk's end
    bool error_ = false;
};

}  // namespace orvane::cli
