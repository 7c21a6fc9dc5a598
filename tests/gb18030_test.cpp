// GB18030 tables, decoded chunk by chunk: by Qt where it has the codec, by the system's code page 54936
// on Windows. The same expectations hold for both; the bytes are GB18030 as iconv writes it.
#include <gtest/gtest.h>

#include "cli/gb18030.h"

namespace orvane::cli {
namespace {

// GBK text, what a spreadsheet on Chinese Windows saves: 国 φ (two bytes each), ",介质" (one and two bytes).
const QByteArray kGbk = "\xB9\xFA\xA6\xD5,\xBD\xE9\xD6\xCA";
const QString kGbkText = QString::fromUtf8(u8"国φ,介质");
// Beyond GBK: € (GB18030 moved it to A2E3), U+0080 and U+1F600 (four bytes each).
const QByteArray kBeyondGbk = "\xA2\xE3\x81\x30\x81\x30\x94\x39\xFC\x36,\xBD\xE9";
const QString kBeyondGbkText = QString::fromUtf8(u8"€\u0080\U0001F600,介");

// What the decoder makes of `bytes` cut into two chunks at `cut`; nullopt when it reports an error.
std::optional<QString> decodeInTwo(const QByteArray& bytes, qsizetype cut) {
    Gb18030Decoder decoder;
    QString text = decoder.decode(QByteArrayView(bytes).first(cut));
    text += decoder.decode(QByteArrayView(bytes).sliced(cut));
    if (decoder.hasError()) return std::nullopt;
    return text;
}

TEST(Gb18030Split, FindsWhereWholeSequencesEnd) {
    struct Case {
        QByteArray bytes;
        Gb18030Split split;
    };
    const Case cases[] = {
        {"", {0, false}},
        {"a,1\r\n", {5, false}},
        {"\xB9\xFA", {2, false}},                // 国
        {"a\xB9", {1, false}},                   // a lead byte cut off
        {"\x81\x30", {0, false}},                // four-byte sequences cut off after 2 and 3 bytes
        {"\x81\x30\x81", {0, false}},
        {"\x81\x30\x81\x30", {4, false}},        // U+0080
        {"\xFE\xFE", {2, false}},                // highest lead and trail
        {"\x81\x40", {2, false}},                // lowest lead and trail
        {"\x80", {0, true}},                     // 0x80 and 0xFF start nothing
        {"a\xFF", {1, true}},
        {"\xB9\x7F", {0, true}},                 // 0x7F is no trail
        {"\xB9\x0A", {0, true}},                 // a line break where the trail belongs
        {"ab\x81\x30\x0A", {2, true}},           // the third byte of four must be 0x81–0xFE
        {"\x81\x30\x81\x7F", {0, true}},         // the fourth 0x30–0x39
        {"\x81\x3A", {0, true}},                 // ':' is neither a trail nor a digit
    };
    for (const Case& c : cases) EXPECT_EQ(splitGb18030(c.bytes), c.split) << c.bytes.toHex(' ').toStdString();
}

TEST(Gb18030Decoder, GivesTheSameGbkTextWhereverTheChunksAreCut) {
    ASSERT_TRUE(Gb18030Decoder::available());
    for (qsizetype cut = 0; cut <= kGbk.size(); ++cut) EXPECT_EQ(decodeInTwo(kGbk, cut), kGbkText) << cut;
}

TEST(Gb18030Decoder, GivesTheCharactersBeyondGbkWhereverTheChunksAreCut) {
    if (!Gb18030Decoder::decodesFourByteSequences())
        GTEST_SKIP() << "this system decodes GBK only (no code page 54936, as under Wine 8)";
    for (qsizetype cut = 0; cut <= kBeyondGbk.size(); ++cut)
        EXPECT_EQ(decodeInTwo(kBeyondGbk, cut), kBeyondGbkText) << cut;
}

TEST(Gb18030Decoder, TellsBytesThatAreNoGb18030) {
    struct Case {
        QByteArray first, second;
    };
    const Case cases[] = {
        {"\xB9", "\n"},   // a character cut off at the end of the text, as the reader ends it
        {"a,\xFF", "b"},
        {"\x81\x30", "\x81\x0A"},
    };
    for (const Case& c : cases) {
        Gb18030Decoder decoder;
        (void)decoder.decode(c.first);
        (void)decoder.decode(c.second);
        EXPECT_TRUE(decoder.hasError()) << (c.first + c.second).toHex(' ').toStdString();
    }
}

}  // namespace
}  // namespace orvane::cli
