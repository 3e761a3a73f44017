// The code pages of RTF text: Windows-1251, which the program decodes from
// a table of its own (the dictionary's bodies are in it, and a one-shot
// look-up should not open ICU's converter for them), gives every byte the
// character ICU's converter gives it, and every character its byte back.

#include "rtf/codepage.h"

#include <gtest/gtest.h>

#include <unicode/ucnv.h>

using namespace lumolex::rtf;

namespace {

TEST(CodePage, Windows1251ReadsEveryByteAsIcuDoes)
{
    const CodePageCodec *codec = CodePageCache::codec(CodePage::Windows1251);
    ASSERT_NE(codec, nullptr);
    ASSERT_TRUE(codec->isValid());
    ASSERT_TRUE(codec->isSingleByte());

    UErrorCode error = U_ZERO_ERROR;
    UConverter *icu = ucnv_open("windows-1251", &error);
    ASSERT_TRUE(U_SUCCESS(error) && icu);
    for (int byte = 0; byte < 256; ++byte) {
        const char in = char(byte);
        UChar out[4] = {};
        error = U_ZERO_ERROR;
        ucnv_reset(icu);
        const int32_t length = ucnv_toUChars(icu, out, 4, &in, 1, &error);
        ASSERT_TRUE(U_SUCCESS(error) && length == 1) << byte;
        // As the table is read for every code page: control bytes but TAB
        // give nothing.
        const char16_t expected = out[0] < 0x20 && out[0] != u'\t' ? CodePageCodec::kDropped : char16_t(out[0]);
        EXPECT_EQ(codec->byteTable()[size_t(byte)], expected) << byte;
        if (byte >= 0x80) {
            EXPECT_EQ(codec->encodeByte(expected), byte) << byte;
        }
    }
    ucnv_close(icu);
    EXPECT_EQ(decodeCodePage("\xcb\xf3\xec\xee\xeb\xe5\xea\xf1 \xa8\xb8", CodePage::Windows1251),
              QString::fromUtf8("Лумолекс Ёё"));
}

} // namespace
