#include "model/velkonerror.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(Windows1250, EveryByteDecodesAndEncodesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeWindows1250(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(EncodeWindows1250(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Windows1250, HungarianAndCentralEuropeanLetters) {
    struct Case {
        char16_t Unicode;
        uint8_t Byte;
    };
    const Case cases[] = {
        {u'á', 0xE1}, {u'é', 0xE9}, {u'í', 0xED}, {u'ó', 0xF3}, {u'ö', 0xF6}, {u'ő', 0xF5},
        {u'ú', 0xFA}, {u'ü', 0xFC}, {u'ű', 0xFB}, {u'Á', 0xC1}, {u'Ő', 0xD5}, {u'Ű', 0xDB},
        {u'€', 0x80}, {u'Š', 0x8A}, {u'ž', 0x9E}, {u'Ł', 0xA3}, {u'˙', 0xFF}, {u'č', 0xE8},
        {u'„', 0x84}, {u'™', 0x99}, {u'\u00A0', 0xA0},
    };
    for (const Case& c : cases) {
        const QString s(QChar(c.Unicode));
        bool ok = false;
        const QByteArray bytes = EncodeWindows1250(s, &ok);
        EXPECT_TRUE(ok) << int(c.Unicode);
        ASSERT_EQ(bytes.size(), 1);
        EXPECT_EQ(static_cast<uint8_t>(bytes[0]), c.Byte) << int(c.Unicode);
        EXPECT_EQ(DecodeWindows1250(bytes), s);
    }
}

TEST(Windows1250, CharactersOutsideTheCodePageClearOk) {
    const QString texts[] = {
        QStringLiteral("ő漢z"),           // CJK
        QStringLiteral("a\U0001F600b"),  // a surrogate pair is one character
        QStringLiteral("ñ"),              // Latin-1 letter missing from 1250
        QStringLiteral("ā"),
    };
    const char* expected[] = {"\xF5?z", "a?b", "?", "?"};
    for (int i = 0; i < 4; ++i) {
        bool ok = true;
        EXPECT_EQ(EncodeWindows1250(texts[i], &ok), QByteArray(expected[i])) << i;
        EXPECT_FALSE(ok) << i;
        EXPECT_GE(FirstNonWindows1250(texts[i]), 0);
    }
    EXPECT_EQ(FirstNonWindows1250(QStringLiteral("árvíztűrő tükörfúrógép")), -1);
}

TEST(Windows1250, FileEncodingNamesTheLineThatCannotBeHeld) {
    EXPECT_EQ(EncodeWindows1250ForFile(QStringLiteral("Név=Ő\r\n")), QByteArray("N\xE9v=\xD5\r\n"));
    try {
        EncodeWindows1250ForFile(QStringLiteral("[Image1]\r\nName=ñandú\r\nTop=0\r\n"));
        FAIL() << "no error";
    } catch (const EVelkonError& e) {
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral(": Name=ñandú"))) << e.Message().toStdString();
    }
}
