// SPDX-License-Identifier: GPL-3.0-or-later
// The results file: what WriteRtf produces, and what ReadResultsHistory makes of our own files,
// other programs' RTF, plain text in the usual encodings and broken input.
#include "formats/RtfReader.h"
#include "formats/RtfWriter.h"
#include "formats/support/HistoryLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <ctime>

using namespace ferrolin;
using namespace ferrolin::test;

namespace {

QString TestDataDir() {
    const QByteArray source = qgetenv("FERROLIN_SOURCE_DIR");
    if (!source.isEmpty()) return QString::fromLocal8Bit(source) + "/tests/formats/data";
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("data");
}

QByteArray Nested(int depth, QByteArrayView inner) {
    return QByteArray("{\\rtf1 ") + QByteArray(depth, '{') + inner.toByteArray() + QByteArray(depth, '}') + "}";
}

QStringList ManyLines(int count) {
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines.append(QStringLiteral("sqrt(%1)*pi/{2}\\x= %2 \u00E9").arg(i).arg(i * 1.5, 0, 'f', 2));
    }
    return lines;
}

// The tables of RTF and the lines read from it.
void AddRtfColumns() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("lines");
}

void Row(const char* name, const QByteArray& rtf, const QStringList& lines) {
    QTest::newRow(name) << rtf << lines;
}

}  // namespace

class RtfTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsLines_data();
    void roundTripKeepsLines();
    void roundTripOfALongHistoryIsExact();
    void writerOutputIsPlainAsciiRtf_data();
    void writerOutputIsPlainAsciiRtf();
    void writerEscapesTheFontName();
    void readsFilesOfOtherPrograms_data();
    void readsFilesOfOtherPrograms();
    void readsRtfConstructs_data();
    void readsRtfConstructs();
    void readsOtherProgramsLikeWord_data();
    void readsOtherProgramsLikeWord();
    void malformedRtf_data();
    void malformedRtf();
    void readsPlainText_data();
    void readsPlainText();
};

void RtfTest::roundTripKeepsLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("ascii") << QStringList{"2+3*4= 14.00", "sin(pi/2)*3= 3.00", "1/3= 0.33"};
    QTest::newRow("accents") << QStringList{u"caf\u00E9 cr\u00E8me na\u00EFve \u00C6r\u00F8"_qs,
                                            u"Gr\u00F6\u00DFe 10 \u20AC \u2013 20 \u00A3"_qs};
    QTest::newRow("central european and cyrillic")
        << QStringList{u"\u0164a\u017Ek\u00FD \u0141\u00F3d\u017A \u015Ei\u015Fli"_qs,
                       u"\u041F\u0440\u0438\u0432\u0435\u0442 \u03A9 \u2264 \u03C0"_qs};
    QTest::newRow("cjk") << QStringList{u"\u65E5\u672C\u8A9E\u306E\u8A08\u7B97= 3.00"_qs,
                                        u"\uD55C\uAD6D\uC5B4 \u4E2D\u6587"_qs};
    QTest::newRow("emoji outside the BMP")
        << QStringList{u"2+2= 4.00 \U0001F600"_qs, u"\U0001D11E\U00020000 end"_qs};
    QTest::newRow("braces and backslashes")
        << QStringList{"{1+2}*3= 9.00", "\\par not a paragraph", "}{", "\\\\", "a\\'e9b", "\\u233?"};
    QTest::newRow("empty lines in the middle") << QStringList{"first", "", "", "after two empty"};
    QTest::newRow("empty lines at both ends") << QStringList{"", "middle", ""};
    QTest::newRow("only an empty line") << QStringList{""};
    QTest::newRow("empty history") << QStringList{};
    QTest::newRow("spaces kept") << QStringList{" leading", "trailing ", "  two  inner  "};
    QTest::newRow("tabs") << QStringList{"a\tb", "\t", "\tx\t"};
    QTest::newRow("digits and letters after escapes")
        << QStringList{u"\u00E9""1\u00E92"_qs, "\t1\tx", u"\u00E9 \u00E9"_qs};
    QTest::newRow("characters at the 16-bit edges")
        << QStringList{u"\u00A0\u7FFF\u8000\uFFFD\uFFFF"_qs, u"\u00A0\u00FF"_qs};
}

void RtfTest::roundTripKeepsLines() {
    QFETCH(QStringList, lines);
    const QByteArray file = WriteRtf(lines, "Tahoma");
    const std::optional<QStringList> read = ReadResultsBytes(file);
    QVERIFY2(read.has_value(), file.constData());
    QCOMPARE(*read, lines);
}

void RtfTest::roundTripOfALongHistoryIsExact() {
    const QStringList lines = ManyLines(100'000);
    const QByteArray file = WriteRtf(lines, "Tahoma");

    const QString path = QDir(QDir::tempPath()).filePath("ferrolin-rtf-test-%1.rtf").arg(QCoreApplication::applicationPid());
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(file), file.size());
    out.close();
    QFile in(path);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    in.close();
    QFile::remove(path);

    const std::optional<QStringList> read = ReadResultsBytes(bytes);
    QVERIFY(read.has_value());
    QCOMPARE(read->size(), lines.size());
    QCOMPARE(*read, lines);
}

void RtfTest::writerOutputIsPlainAsciiRtf_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("one paragraph per line") << QStringList{"1+1= 2.00", "", "x"} << QByteArray("1+1= 2.00\\par\n\\par\nx\\par\n");
    QTest::newRow("escapes") << QStringList{"{a}\\b"} << QByteArray("\\{a\\}\\\\b\\par\n");
    QTest::newRow("tab") << QStringList{"a\tb"} << QByteArray("a\\tab b\\par\n");
    QTest::newRow("latin") << QStringList{u"\u00E9t\u00E9"_qs} << QByteArray("\\u233\\'3ft\\u233\\'3f\\par\n");
    QTest::newRow("signed 16-bit") << QStringList{u"\uFFFD\u8000"_qs} << QByteArray("\\u-3\\'3f\\u-32768\\'3f\\par\n");
    QTest::newRow("surrogate pair") << QStringList{u"\U0001F600"_qs} << QByteArray("\\u-10179\\'3f\\u-8704\\'3f\\par\n");
    QTest::newRow("line breaks inside a line") << QStringList{"a\nb\r\nc\rd"}
                                               << QByteArray("a\\line b\\line c\\line d\\par\n");
    QTest::newRow("other control characters") << QStringList{u"\u0001\u007F"_qs} << QByteArray("\\'01\\'7f\\par\n");
}

void RtfTest::writerOutputIsPlainAsciiRtf() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, body);
    const QByteArray file = WriteRtf(lines, "Tahoma");
    QVERIFY2(file.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Tahoma;}}"),
             file.constData());
    QVERIFY(file.endsWith("\\par\n}"));
    QVERIFY2(file.contains(body), file.constData());
    for (char c : file) QVERIFY2(static_cast<unsigned char>(c) < 0x80 && c != '\0', file.constData());
}

void RtfTest::writerEscapesTheFontName() {
    const QByteArray file = WriteRtf({"x"}, u"Odd;Font {\u00E9}"_qs);
    QVERIFY2(file.contains("\\fcharset0 Odd\\'3bFont \\{\\u233\\'3f\\};}}"), file.constData());
    QCOMPARE(ReadResultsBytes(file), std::optional<QStringList>(QStringList{"x"}));
}

void RtfTest::readsFilesOfOtherPrograms_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LibreOffice from text")
        << "libreoffice-from-text.rtf"
        << QStringList{"2+3*4= 14.00",
                       "sqrt(2)= 1.41",
                       u"caf\u00E9 cr\u00E8me \u00E0 la mode"_qs,
                       u"\u03A9 \u2264 \u03C0 \u00B7 \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"_qs,
                       u"\u041F\u0440\u0438\u0432\u0435\u0442"_qs,
                       u"\u65E5\u672C\u8A9E\u306E\u8A08\u7B97"_qs,
                       u"emoji \U0001F600 outside the BMP"_qs,
                       "",
                       "{braces} and \\backslash\\\ttab",
                       "last line"};
    QTest::newRow("LibreOffice from ODF")
        << "libreoffice-from-odt.rtf"
        << QStringList{"\tResults", "1/3= 0.33", u"Gr\u00F6\u00DFe und Ma\u00DFe: 10 \u20AC \u2013 20 \u00A3"_qs,
                       u"\u0164a\u017Ek\u00FD \u0141\u00F3d\u017A \u015Ei\u015Fli \u011E \u0151 \u0171"_qs,
                       "Header line with a link inside"};
    QTest::newRow("pandoc from markdown")
        << "pandoc-from-markdown.rtf"
        << QStringList{"2+3*4= 14.00",
                       u"cafe: caf\u00E9 cr\u00E8me, na\u00EFve, \u00C6r\u00F8"_qs,
                       u"\u03A9 \u2264 \u03C0, \u041F\u0440\u0438\u0432\u0435\u0442, \u65E5\u672C\u8A9E"_qs,
                       u"emoji \U0001F600 outside the BMP"_qs,
                       "{braces} and \\backslash\\ stay",
                       "bold and italic words"};
}

void RtfTest::readsFilesOfOtherPrograms() {
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    QFile in(QDir(TestDataDir()).filePath(file));
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
    const std::optional<QStringList> read = ReadResultsBytes(in.readAll());
    QVERIFY(read.has_value());
    QCOMPARE(*read, lines);
}

void RtfTest::readsRtfConstructs_data() {
    AddRtfColumns();
    Row("final paragraph without \\par", "{\\rtf1 a\\par b}", {"a", "b"});
    Row("\\line breaks", "{\\rtf1 a\\line b\\line\\line c\\par}", {"a", "b", "", "c"});
    Row("backslash before a line end", "{\\rtf1 a\\\nb}", {"a", "b"});
    Row("line ends in the file are not text", "{\\rtf1 a\r\nb\nc\\par}", {"abc"});
    Row("space after a control word is its delimiter", "{\\rtf1\\b  x\\b0 y\\par}", {" xy"});
    Row("numeric parameter ends the word", "{\\rtf1\\fs24x\\li-360y}", {"xy"});
    Row("control symbols", "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\e\\|\\:}", {u"a\u00A0b\u00ADc\u2011d{}\\e"_qs});
    Row("named characters", "{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\tab}",
        {u"\u2014\u2013\u2022\u2018\u2019\u201C\u201D\t"_qs});
    Row("hex bytes in the default code page", "{\\rtf1\\ansi caf\\'e9 \\'80\\'9f}", {u"caf\u00E9 \u20AC\u0178"_qs});
    Row("hex digits in upper case", "{\\rtf1 \\'C9\\'e9}", {u"\u00C9\u00E9"_qs});
    // Each code page's bytes are CodePageDecoderTest's, through a document that names it.
    Row("dos code page", "{\\rtf1\\pc \\'82\\'9c}", {u"\u00E9\u00A3"_qs});
    Row("raw 8-bit text in the code page", "{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0}", {u"\u041F\u0440"_qs});
    Row("font character set chooses the code page",
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset238 Arial CE;}{\\f2\\fcharset204 Arial Cyr;}}"
        "\\'e8{\\f1\\'e8}{\\f2\\'e8}\\f1\\'e8\\plain\\'e8}",
        {u"\u00E8\u010D\u0438\u010D\u00E8"_qs});
    Row("unicode with one fallback byte", "{\\rtf1 caf\\u233\\'e9 x}", {u"caf\u00E9 x"_qs});
    Row("unicode with a fallback character", "{\\rtf1 \\u233?\\u8364?}", {u"\u00E9\u20AC"_qs});
    Row("negative unicode", "{\\rtf1\\u-3?\\u-10179?\\u-8704?}", {u"\uFFFD\U0001F600"_qs});
    Row("unsigned surrogates", "{\\rtf1 \\u55357?\\u56832?}", {u"\U0001F600"_qs});
    Row("\\uc0 has no fallback", "{\\rtf1\\uc0\\u233 abc}", {u"\u00E9abc"_qs});
    Row("\\uc2 skips two, a control word counts as one", "{\\rtf1\\uc2\\u233\\'65\\'65x\\u233\\b y}",
        {u"\u00E9x\u00E9"_qs});
    Row("\\uc is local to its group", "{\\rtf1{\\uc3\\u233 abc}\\u233?d}", {u"\u00E9\u00E9d"_qs});
    Row("fallback ends at a group", "{\\rtf1\\uc3\\u233{x}y}", {u"\u00E9xy"_qs});
    Row("\\upr takes the unicode part", "{\\rtf1{\\upr{caf\\'e9}{\\*\\ud{caf\\u233?}}}}", {u"caf\u00E9"_qs});
    Row("lone surrogate becomes a replacement", "{\\rtf1 a\\u-10179?b}", {u"a\uFFFDb"_qs});
    Row("out-of-range unicode", "{\\rtf1 \\u99999999999?x}", {u"\uFFFDx"_qs});
    Row("\\bin data is skipped", "{\\rtf1 a{\\bin5 }{\\\\}b\\par}", {"ab"});
    Row("\\bin longer than the file", "{\\rtf1 a\\bin999999 xyz", {"a"});
    Row("hidden destinations",
        "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
        "{\\header H\\par}{\\footerl F\\par}{\\pict 0123}{\\*\\generator G;}{\\*\\unknownword Q}"
        "{\\listtable{\\list x}}{\\listoverridetable y}{\\*\\rsidtbl z}{\\*\\themedata 00}{\\*\\datastore 00}"
        "{\\*\\latentstyles{\\lsdlockedexcept q}}shown\\par}",
        {"shown"});
    Row("field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} text}", {"link text"});
    Row("formatting is ignored", "{\\rtf1\\pard\\plain\\ql\\b\\i\\ul\\fs40\\cf2 x{\\b0 y}\\par\\pard z\\par}",
        {"xy", "z"});
    Row("table cells and rows", "{\\rtf1\\trowd\\intbl a\\cell b\\cell\\row\\intbl c\\cell\\row}", {"a\tb", "c"});
    Row("section end is a paragraph end", "{\\rtf1 a\\sect b}", {"a", "b"});
    Row("text after the document is ignored", "{\\rtf1 a}trailing\\par{b}", {"a"});
    Row("extra closing braces end the document", "{\\rtf1 a}}}b", {"a"});
    Row("missing closing braces keep what was read", "{\\rtf1 a\\par{\\b b", {"a", "b"});
    Row("whitespace before the document", " \r\n\t{\\rtf1 x}", {"x"});
    Row("empty document", "{\\rtf1}", {});
    Row("NUL bytes are noise", QByteArray("{\\rtf1 a\0b}\0", 12), {"ab"});
    Row("unknown long word", "{\\rtf1\\" + QByteArray(100, 'z') + "123 x}", {"x"});
    Row("100,000 nested groups", Nested(100'000, "deep"), {"deep"});
    Row("as deep as the bound allows", Nested(kMaxRtfGroupDepth - 1, "deep"), {"deep"});
}

// Each row is a fault once seen in a file another program wrote.
void RtfTest::readsOtherProgramsLikeWord_data() {
    AddRtfColumns();
    Row("A: western font in a Japanese document",
        "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fcharset128 MS Mincho;}{\\f1\\fcharset0 Times;}}"
        "\\'93\\'fa{\\f1 J\\'e4rvi}\\f1 \\'e9\\plain\\'96\\'7b}",
        {u"\u65E5J\u00E4rvi\u00E9\u672C"_qs});
    Row("A: \\cpg wins over \\fcharset",
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0\\cpg1251 X;}}\\f0\\'cf}", {u"\u041F"_qs});
    Row("A: default font defined after \\deff", "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f1\\fcharset204 X;}}\\'cf}",
        {u"\u041F"_qs});
    Row("B: lead byte cut off by a group", "{\\rtf1\\ansi\\ansicpg932 \\'93{\\b\\'fa}}", {u"\uFFFD\uFFFD"_qs});
    Row("B: bad byte pair", "{\\rtf1\\ansi\\ansicpg932 \\'81 x\\'93}", {u"\uFFFD x\uFFFD"_qs});
    Row("C: \\mac document", "{\\rtf1\\mac \\'8a\\'8e}", {u"\u00E4\u00E9"_qs});
    Row("C: \\mac document, ANSI font is still Mac Roman",
        "{\\rtf1\\mac{\\fonttbl{\\f0\\fcharset0 Geneva;}}\\f0\\'8a}", {u"\u00E4"_qs});
    Row("C: Mac Japanese code page", "{\\rtf1\\ansi\\ansicpg10001 \\'82\\'a8\\'93\\'c7\\'82\\'dd}",
        {u"\u304A\u8AAD\u307F"_qs});
    Row("C: TextEdit's Mac Japanese font", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset78 Hiragino;}}\\f0\\'82\\'a8}",
        {u"\u304A"_qs});
    Row("D: \\* after other words means nothing", "{\\rtf1{\\b\\*\\unknown x}y}", {"xy"});
    Row("D: \\* at the start hides an unknown destination", "{\\rtf1{\\*\\unknown x{y}}z}", {"z"});
    Row("D: \\* before a known word keeps its meaning", "{\\rtf1{\\*\\bkmkstart b}x{\\*\\tab}y}", {"x\ty"});
    Row("F: list numbers and bullets", "{\\rtf1{\\listtext 1.\\tab}One\\par{\\pntext\\'b7\\tab}Two\\par}",
        {"1.\tOne", u"\u00B7\tTwo"_qs});
    Row("F: text around the number stays hidden", "{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb x}{\\pntxta y}}a}", {"a"});
    Row("G: hidden text", "{\\rtf1 a{\\v hid\\u233?\\tab den}b\\v c\\v0 d\\v e\\plain f\\par}", {"abdf"});
    Row("G: paragraphs around hidden text stay two", "{\\rtf1 a\\par{\\v x}\\par b}", {"a", "", "b"});
    Row("H: list definitions outside the list table",
        "{\\rtf1{\\list\\listtemplateid1{\\listlevel{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
        "{\\listname L;}}{\\listoverride\\ls1{\\lfolevel x}}{\\*\\listpicture p}text\\par}",
        {"text"});
    Row("H: other metadata destinations",
        "{\\rtf1{\\*\\xmlnstbl{\\xmlns1 u}}{\\*\\datafield 0001ffff}{\\*\\panose 020b}{\\*\\falt Y}"
        "{\\*\\passwordhash 01}{\\*\\docvar{n}{v}}{\\*\\mmathPr\\mdispDef1}text}",
        {"text"});
    Row("H: control characters", "{\\rtf1 a\\'00b\\'1fc\\'7f\\'07\\u1?\\u159?d\\tab e\\par}", {"abcd\te"});
    Row("H: control bytes in a multi-byte code page", "{\\rtf1\\ansi\\ansicpg932 a\\'1a\\'7f\\'1c\\'93\\'fab}",
        {u"a\u65E5b"_qs});
    Row("H: the writer's control characters do not come back",
        WriteRtf({u"bell\u0007 \u0001\u007F\u0085"_qs}, "Tahoma"), {"bell "});
    Row("Unicode line and paragraph separators end lines, as in the history box",
        "{\\rtf1 a\\u8232?b\\u8233?c\\par\\ansicpg65001 d\\'e2\\'80\\'a8e}", {"a", "b", "c", "d", "e"});
    Row("footnote numbers where the text refers to them",
        "{\\rtf1 a{\\chftn}{\\footnote{\\chftn} note}b{\\super\\chftn}{\\*\\footnote\\chftn x}}", {"a1b2"});
    Row("I: nested tables",
        "{\\rtf1\\trowd a\\cell\\pard\\intbl\\itap2 n1\\nestcell n2\\nestcell"
        "{\\*\\nesttableprops\\trowd\\cellx1\\nestrow}{\\nonesttables fallback\\par}"
        "\\pard\\intbl\\itap1 b\\cell\\row}",
        {"a\tn1\tn2", "b"});
}

void RtfTest::readsOtherProgramsLikeWord() {
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, lines);
    QCOMPARE(ParseRtf(rtf), std::optional<QStringList>(lines));
}

void RtfTest::readsRtfConstructs() {
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, lines);
    const std::optional<QStringList> read = ReadResultsBytes(rtf);
    QVERIFY(read.has_value());
    QCOMPARE(*read, lines);
}

void RtfTest::malformedRtf_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("readable");
    QTest::newRow("not the rtf word") << QByteArray("{\\rtfx1 a}") << false;
    QTest::newRow("header cut short") << QByteArray("{\\rtf") << true;
    QTest::newRow("too deep") << Nested(kMaxRtfGroupDepth, "x") << false;
    QTest::newRow("far too deep") << QByteArray("{\\rtf1") + QByteArray(3'000'000, '{') << false;
    QTest::newRow("deep but closed again") << QByteArray("{\\rtf1") + QByteArray(500, '{') + QByteArray(500, '}') + QByteArray(500, '{') << true;
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'4") << true;
    QTest::newRow("broken hex") << QByteArray("{\\rtf1 a\\'zz\\'4x}") << true;
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << true;
    QTest::newRow("minus at the end") << QByteArray("{\\rtf1 \\li-") << true;
    QTest::newRow("huge parameters") << QByteArray("{\\rtf1\\uc99999999999999999999\\u-99999999999999999999 \\bin-5 x}") << true;
    QTest::newRow("huge \\ucN") << QByteArray("{\\rtf1\\uc2147483647\\u233 abc}") << true;
    QTest::newRow("only closing braces") << QByteArray("{\\rtf1}}}}}}}}") << true;
    QTest::newRow("binary garbage") << QByteArray("{\\rtf1 \xff\xfe\x00\x01\x80\\'ff\\u-1?", 21) << true;
    QTest::newRow("star without destination") << QByteArray("{\\rtf1\\*}") << true;
}

void RtfTest::malformedRtf() {
    QFETCH(QByteArray, rtf);
    QFETCH(bool, readable);
    QCOMPARE(ReadResultsBytes(rtf).has_value(), readable);
    QCOMPARE(ParseRtf(rtf).has_value(), readable);
}

void RtfTest::readsPlainText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("ascii") << QByteArray("1+1= 2.00\n2+2= 4.00\n") << QStringList{"1+1= 2.00", "2+2= 4.00"};
    QTest::newRow("utf-8 without a mark") << QByteArray("caf\xc3\xa9\n\xf0\x9f\x98\x80")
                                          << QStringList{u"caf\u00E9"_qs, u"\U0001F600"_qs};
    QTest::newRow("utf-8 with a mark") << QByteArray("\xef\xbb\xbf\xc3\xa9t\xc3\xa9\r\nx")
                                       << QStringList{u"\u00E9t\u00E9"_qs, "x"};
    QTest::newRow("utf-8 mark then another U+FEFF") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx")
                                                   << QStringList{u"\uFEFFx"_qs};
    QTest::newRow("utf-16le") << QByteArray("\xff\xfe" "a\x00\xe9\x00\r\x00\n\x00=\x00", 12)
                              << QStringList{u"a\u00E9"_qs, "="};
    QTest::newRow("utf-16be") << QByteArray("\xfe\xff\x00" "a\x00\n\x65\xe5\xd8\x3d\xde\x00", 12)
                              << QStringList{"a", u"\u65E5\U0001F600"_qs};
    QTest::newRow("utf-16 lone surrogates and an odd byte")
        << QByteArray("\xff\xfe\x3d\xd8x\x00\x00\xdc\x01", 9) << QStringList{u"\uFFFDx\uFFFD\uFFFD"_qs};
    QTest::newRow("utf-16le holding rtf stays text")
        << QByteArray("\xff\xfe{\x00\\\x00r\x00t\x00" "f\x00", 12) << QStringList{"{\\rtf"};
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 5\n\x93q\x94") << QStringList{u"caf\u00E9 \u20AC 5"_qs, u"\u201Cq\u201D"_qs};
    QTest::newRow("windows-1252 undefined bytes") << QByteArray("\x81\x8d\x8f\x90\x9d")
                                                  << QStringList{u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"_qs};
    QTest::newRow("unicode line separators") << QByteArray("a\xe2\x80\xa8" "b\xe2\x80\xa9") << QStringList{"a", "b"};
    QTest::newRow("control characters go") << QByteArray("a\0b\x01\tc\fd\x7f", 9) << QStringList{"ab\tcd"};
    QTest::newRow("utf-8 cut short is not utf-8") << QByteArray("ab\xc3") << QStringList{u"ab\u00C3"_qs};
    QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("\xc0\xaf") << QStringList{u"\u00C0\u00AF"_qs};
    QTest::newRow("crlf, lf and cr") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty lines") << QByteArray("\n\na\r\n\r\n") << QStringList{"", "", "a", ""};
    QTest::newRow("cr then lf is one break, lf then cr two") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("rtf not at the start") << QByteArray("x{\\rtf1 y}") << QStringList{"x{\\rtf1 y}"};
    QTest::newRow("braces only") << QByteArray("{rtf}") << QStringList{"{rtf}"};
}

void RtfTest::readsPlainText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const std::optional<QStringList> read = ReadResultsBytes(bytes);
    QVERIFY(read.has_value());
    QCOMPARE(*read, lines);
}

QTEST_GUILESS_MAIN(RtfTest)
#include "RtfTest.moc"
