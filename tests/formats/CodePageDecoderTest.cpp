// SPDX-License-Identifier: GPL-3.0-or-later
// Code pages: one known byte string for every code page and character set Word writes, and
// what becomes of bytes that are malformed in them.
#include "formats/CodePageDecoder.h"
#include "formats/RtfReader.h"
#include "formats/support/HistoryLines.h"

#include <QTest>

using namespace ferrolin;
using namespace ferrolin::test;

class CodePageDecoderTest : public QObject {
    Q_OBJECT

private slots:
    void decodesEveryCodePage_data();
    void decodesEveryCodePage();
    void malformedBytes_data();
    void malformedBytes();
    void fontCharsets_data();
    void fontCharsets();
};

void CodePageDecoderTest::decodesEveryCodePage_data() {
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto row = [](int codePage, const char* hex, const char16_t* text) {
        QTest::addRow("%d", codePage) << codePage << QByteArray::fromHex(hex) << QString::fromUtf16(text);
    };
    row(437, "829c41", u"\u00E9\u00A3A");
    row(737, "80", u"\u0391");
    row(775, "80", u"\u0106");
    row(850, "9b", u"\u00F8");
    row(852, "a5", u"\u0105");
    row(855, "80", u"\u0452");
    row(857, "8d", u"\u0131");
    row(860, "84", u"\u00E3");
    row(861, "8b", u"\u00D0");
    row(862, "80", u"\u05D0");
    row(863, "84", u"\u00C2");
    row(864, "80", u"\u00B0");
    row(865, "9b", u"\u00F8");
    row(866, "80", u"\u0410");
    row(869, "86", u"\u0386");
    row(874, "a1", u"\u0E01");
    row(932, "93fa967b5c", u"\u65E5\u672C\\");
    row(936, "c4e3bac3", u"\u4F60\u597D");
    row(949, "c7d1b1b9", u"\uD55C\uAD6D");
    row(950, "a4a4a4e5", u"\u4E2D\u6587");
    row(1250, "8ae8b3", u"\u0160\u010D\u0142");
    row(1251, "cff0e8", u"\u041F\u0440\u0438");
    row(1252, "80e99f", u"\u20AC\u00E9\u0178");
    row(1253, "d9e1", u"\u03A9\u03B1");
    row(1254, "f0fd", u"\u011F\u0131");
    row(1255, "f9ec", u"\u05E9\u05DC");
    row(1256, "c7", u"\u0627");
    row(1257, "e0", u"\u0105");
    row(1258, "d2", u"\u0309");
    row(10000, "8a8e", u"\u00E4\u00E9");
    row(10001, "82a893c782dd", u"\u304A\u8AAD\u307F");
    row(10002, "a4a4", u"\u4E2D");
    row(10003, "c7d1", u"\uD55C");
    row(10006, "a1", u"\u0393");
    row(10007, "80", u"\u0410");
    row(10008, "c4e3", u"\u4F60");
    row(10029, "81", u"\u0100");
    row(10081, "da", u"\u011E");
    row(65001, "c3a9e282ac", u"\u00E9\u20AC");
    row(12345, "e9", u"\u00E9");  // unknown: read as Windows-1252
}

void CodePageDecoderTest::decodesEveryCodePage() {
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    CodePageDecoder decoder;
    QString out = QStringLiteral(">");
    decoder.Append(bytes, codePage, out);
    QCOMPARE(out, ">" + text);
    // The same bytes through an RTF document that names the code page.
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(codePage) + " ";
    for (char byte : bytes) rtf += "\\'" + QByteArray(1, byte).toHex();
    QCOMPARE(ParseRtf(rtf + "}"), std::optional<QStringList>(QStringList{text}));
}

void CodePageDecoderTest::malformedBytes_data() {
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lead byte cut off at the end") << 932 << QByteArray("\x93\xfa\x93") << u"\u65E5\uFFFD"_qs;
    QTest::newRow("lead byte alone") << 936 << QByteArray("\x81") << u"\uFFFD"_qs;
    QTest::newRow("bad trail byte, no SUB control") << 932 << QByteArray("\x81 x") << u"\uFFFD x"_qs;
    QTest::newRow("big5 cut off") << 950 << QByteArray("a\xa4") << u"a\uFFFD"_qs;
    QTest::newRow("utf-8 cut off") << 65001 << QByteArray("a\xe2") << u"a\uFFFD"_qs;
    QTest::newRow("undefined in windows-1252") << 1252 << QByteArray("\x81\x8d\x8f\x90\x9d") << u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"_qs;
}

void CodePageDecoderTest::malformedBytes() {
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    CodePageDecoder decoder;
    QString out;
    decoder.Append(bytes, codePage, out);
    QCOMPARE(out, text);
    // The next run starts afresh: nothing of a cut-off sequence is carried over.
    out.clear();
    decoder.Append("A", codePage, out);
    QCOMPARE(out, QStringLiteral("A"));
}

void CodePageDecoderTest::fontCharsets_data() {
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 ANSI") << 0 << QByteArray("\\'e4") << u"\u00E4"_qs;
    QTest::newRow("1 default: the document's") << 1 << QByteArray("\\'93\\'fa") << u"\u65E5"_qs;
    QTest::newRow("2 symbol: the bullet") << 2 << QByteArray("\\'b7\\'e4") << u"\u2022\u00E4"_qs;
    QTest::newRow("77 Mac Roman") << 77 << QByteArray("\\'8a") << u"\u00E4"_qs;
    QTest::newRow("78 Mac Japanese") << 78 << QByteArray("\\'82\\'a8") << u"\u304A"_qs;
    QTest::newRow("79 Mac Korean") << 79 << QByteArray("\\'c7\\'d1") << u"\uD55C"_qs;
    QTest::newRow("80 Mac Simplified Chinese") << 80 << QByteArray("\\'c4\\'e3") << u"\u4F60"_qs;
    QTest::newRow("81 Mac Traditional Chinese") << 81 << QByteArray("\\'a4\\'a4") << u"\u4E2D"_qs;
    QTest::newRow("85 Mac Greek") << 85 << QByteArray("\\'a1") << u"\u0393"_qs;
    QTest::newRow("86 Mac Turkish") << 86 << QByteArray("\\'da") << u"\u011E"_qs;
    QTest::newRow("88 Mac Central European") << 88 << QByteArray("\\'81") << u"\u0100"_qs;
    QTest::newRow("89 Mac Cyrillic") << 89 << QByteArray("\\'80") << u"\u0410"_qs;
    QTest::newRow("128 Shift-JIS") << 128 << QByteArray("\\'93\\'fa") << u"\u65E5"_qs;
    QTest::newRow("129 Hangul") << 129 << QByteArray("\\'c7\\'d1") << u"\uD55C"_qs;
    QTest::newRow("134 GB2312") << 134 << QByteArray("\\'c4\\'e3") << u"\u4F60"_qs;
    QTest::newRow("136 Big5") << 136 << QByteArray("\\'a4\\'a4") << u"\u4E2D"_qs;
    QTest::newRow("161 Greek") << 161 << QByteArray("\\'d9") << u"\u03A9"_qs;
    QTest::newRow("162 Turkish") << 162 << QByteArray("\\'f0") << u"\u011F"_qs;
    QTest::newRow("163 Vietnamese") << 163 << QByteArray("\\'d2") << u"\u0309"_qs;
    QTest::newRow("177 Hebrew") << 177 << QByteArray("\\'f9") << u"\u05E9"_qs;
    QTest::newRow("178 Arabic") << 178 << QByteArray("\\'c7") << u"\u0627"_qs;
    QTest::newRow("186 Baltic") << 186 << QByteArray("\\'e0") << u"\u0105"_qs;
    QTest::newRow("204 Cyrillic") << 204 << QByteArray("\\'cf") << u"\u041F"_qs;
    QTest::newRow("222 Thai") << 222 << QByteArray("\\'a1") << u"\u0E01"_qs;
    QTest::newRow("238 Central European") << 238 << QByteArray("\\'8a") << u"\u0160"_qs;
    QTest::newRow("254 PC 437") << 254 << QByteArray("\\'82") << u"\u00E9"_qs;
    QTest::newRow("255 OEM 850") << 255 << QByteArray("\\'9b") << u"\u00F8"_qs;
}

void CodePageDecoderTest::fontCharsets() {
    // A Japanese document, so that a character set that falls back to the document's code page
    // shows as such; the font's own character set wins over it.
    QFETCH(int, charset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fcharset128 MS Mincho;}{\\f1\\fcharset" +
                           QByteArray::number(charset) + " X;}}{\\f1 " + bytes + "}}";
    QCOMPARE(ParseRtf(rtf), std::optional<QStringList>(QStringList{text}));
}

QTEST_GUILESS_MAIN(CodePageDecoderTest)
#include "CodePageDecoderTest.moc"
