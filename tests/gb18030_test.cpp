// GB18030 tables, decoded chunk by chunk: by Qt where it has the codec, by the system's code page 54936
// on Windows. The same expectations hold for both; the bytes are GB18030 as iconv writes it.
#include <gtest/gtest.h>

#include "cli/gb18030.h"

namespace orvane::cli {
namespace {

// 国 φ € (two bytes each), U+0080 and U+1F600 (four bytes each), ",介质" (one and two bytes).
const QByteArray kBytes = "\xB9\xFA\xA6\xD5\xA2\xE3\x81\x30\x81\x30\x94\x39\xFC\x36,\xBD\xE9\xD6\xCA";
const QString kText = QString::fromUtf8(u8"国φ€\u0080\U0001F600,介质");

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

TEST(Gb18030Decoder, GivesTheSameTextWhereverTheChunksAreCut) {
    ASSERT_TRUE(Gb18030Decoder::available());
    for (qsizetype cut = 0; cut <= kBytes.size(); ++cut) {
        Gb18030Decoder decoder;
        QString text = decoder.decode(QByteArrayView(kBytes).first(cut));
        text += decoder.decode(QByteArrayView(kBytes).sliced(cut));
        EXPECT_FALSE(decoder.hasError()) << cut;
        EXPECT_EQ(text, kText) << cut;
    }
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
