#include "store/RecordStore.h"

#include "models/records/TextCodec.h"
#include "store/StoreText.h"
#include "tests/store/FileTesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {

using models::kReplacementCharacter;

// The store reads a file as the window shows it, the tool as `bazi record` prints it: both must give the same text
// and the same count.
models::DecodedText readAlike(const QByteArray& bytes)
{
    const models::DecodedText store = store::decodeFileText(bytes);
    const models::DecodedText tool =
        models::decodeStoredText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    EXPECT_EQ(store.text, tool.text);
    EXPECT_EQ(store.replaced, tool.replaced);
    return store;
}

// QString::fromUcs4 would take U+FEFF for a byte-order mark and drop it.
std::string utf8Of(char32_t c)
{
    return store::fromQt(QStringView(QChar::fromUcs4(c)).toString());
}

// Every character the window can write, 256 code points at a time: each reads back as itself through both readers,
// nothing replaced. The byte lengths the writer used are GB18030's facts: all 126 x 190 two-byte codes are used,
// and every other character above U+007F is a four-byte code.
TEST(FileText, EveryCharacterTheWindowWritesReadsBackAsItself)
{
    std::array<std::size_t, 5> forms{}; // characters by the length of their code
    for (char32_t block = 0; block < 0x110000; block += 0x100) {
        std::string text;
        for (char32_t c = block; c < block + 0x100; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue; // no character: the halves of UTF-16 pairs
            const std::string one = utf8Of(c);
            if (c < 0x10000) // after an "a": the writer drops U+FEFF at the start of a file
                ++forms.at(static_cast<std::size_t>(store::encodeFileText("a" + one).size() - 1));
            text += one;
        }
        const QByteArray bytes = store::encodeFileText(text);
        const models::DecodedText read = readAlike(bytes);
        ASSERT_EQ(read.text, text) << "block U+" << std::hex << static_cast<unsigned>(block);
        ASSERT_EQ(read.replaced, 0u);
    }
    EXPECT_EQ(forms[1], 0x80u);
    EXPECT_EQ(forms[2], 126u * 190u);
    EXPECT_EQ(forms[4], 0x10000u - 0x800u - 0x80u - 126u * 190u);
}

// Bad sequences between the characters of a GB18030 text: each is one U+FFFD, the characters around it are kept.
TEST(FileText, BadBytesAmongCharactersAreReplacedOneForOne)
{
    const struct
    {
        const char* why;
        std::string_view bytes;
        std::string_view kept; // what is read again after the U+FFFD
        bool beforeAsciiOnly;  // before anything else, the lead byte would begin a two-byte code
    } kBad[] = {
        {"0x80 starts no code", "\x80", "", false},
        {"0xFF starts no code", "\xFF", "", false},
        {"the first unassigned four-byte code, 8431A530, after U+FFFF's", "\x84\x31\xA5\x30", "", false},
        {"the last four-byte form, FE39FE39, unassigned", "\xFE\x39\xFE\x39", "", false},
        {"a four-byte start without its last two bytes: the digit is read again", "\x81\x30", "0", true},
        {"a lead byte alone", "\xD5", "", true},
    };
    for (const auto& bad : kBad) {
        SCOPED_TRACE(bad.why);
        QByteArray bytes;
        std::string expected;
        std::size_t inserted = 0;
        // Characters of every length, from ASCII through the two-byte codes to the planes beyond U+FFFF.
        for (char32_t c = 0x20; c < 0x110000; c += c < 0x80 ? 7 : c < 0x10000 ? 997 : 40009) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            const std::string one = utf8Of(c);
            if (!bad.beforeAsciiOnly || c < 0x40) { // below any trail byte: blanks, digits, line ends
                bytes += QByteArray(bad.bytes.data(), static_cast<qsizetype>(bad.bytes.size()));
                (expected += kReplacementCharacter) += bad.kept;
                ++inserted;
            }
            bytes += store::encodeFileText(one);
            expected += one;
        }
        const models::DecodedText read = readAlike(bytes);
        EXPECT_EQ(read.text, expected);
        EXPECT_EQ(read.replaced, inserted);
    }
}

TEST(FileText, Utf8ReadsAsUtf8AndABadByteMakesItGb18030)
{
    const std::string utf8 = "姓名：张三\r\n𠀀\r\n"; // a character beyond U+FFFF too
    EXPECT_EQ(readAlike(QByteArray::fromStdString(utf8)).text, utf8);
    EXPECT_EQ(readAlike(QByteArray::fromStdString("\xEF\xBB\xBF" + utf8)).text, utf8);
    // One stray byte: the whole file is no longer UTF-8. Its line ends stay where they were.
    const models::DecodedText read = readAlike(QByteArray::fromStdString(utf8 + "\xFF\r\n"));
    EXPECT_GE(read.replaced, 1u);
    EXPECT_EQ(std::count(read.text.begin(), read.text.end(), '\n'), 3);
}

// A record with bad bytes opens, the bad bytes shown as U+FFFD and counted, the rest as written.
TEST(FileText, ARecordWithBadBytesOpensWithTheCount)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("prog"))));
    store::RecordStore records(store::fromQt(root.filePath(QStringLiteral("prog"))),
                               store::fromQt(root.filePath(QStringLiteral("user"))));
    ASSERT_TRUE(records.GetDataPath());
    QByteArray bytes = store::encodeFileText("姓名：张三       性别：男\r\n出生公历：1984-03-02 16:25:00    农历：\r\n"
                                             "\r\n备注：\r\n");
    bytes += "\xD5\xC5\xFF\xC8\xFD\r\n\x80"; // 张, a stray byte, 三, a line end and another
    storetest::writeBytes(root.filePath(QStringLiteral("prog/data/其他/张三.txt")), bytes);
    const auto record = records.readRecord("其他", "张三");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->replaced, 2u);
    EXPECT_EQ(record->remark,
              "张" + std::string(kReplacementCharacter) + "三\r\n" + std::string(kReplacementCharacter) + "\r\n");
    EXPECT_EQ(record->sex, "男");
    EXPECT_TRUE(record->birth);
}

} // namespace
