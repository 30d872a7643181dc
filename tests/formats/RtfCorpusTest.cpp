// SPDX-License-Identifier: GPL-3.0-or-later
// Files other programs wrote (tests/formats/corpus): each loads, and reads as LibreOffice reads
// it, word for word, unless it is one of the differences named below.
#include "formats/PlainTextLines.h"
#include "formats/RtfReader.h"
#include "formats/support/HistoryLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace ferrolin;
using namespace ferrolin::test;

namespace {

QString CorpusDir() {
    const QByteArray source = qgetenv("FERROLIN_SOURCE_DIR");
    if (!source.isEmpty()) return QString::fromLocal8Bit(source) + "/tests/formats/corpus";
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("corpus");
}

// Line breaks and blanks (any Unicode space) are layout, where LibreOffice's text export and a history differ (a
// table's cells, a list number's tab); the words and their order are the text.
QStringList Words(QString text) {
    text.remove(QChar(0xFEFF));
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    return text.split(kBlanks, Qt::SkipEmptyParts);
}

// Where our text differs from LibreOffice's, and why that is right or not worth the cost.
const std::map<QString, const char*>& KnownDifferences() {
    static const std::map<QString, const char*> differences = {
        {"pandoc/rtf-formatting.rtf", "LibreOffice's text export shows hidden text (\\v)"},
        {"pandoc/rtf-list_complex.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"pandoc/rtf-list_legacy.rtf", "LibreOffice leaves out the \\pntext numbers"},
        {"pandoc/rtf-list_multiparagraph.rtf", "LibreOffice repeats the bullet on a list item's second paragraph"},
        {"pandoc/rtf-list_simple.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"pandoc/rtf-table_nested_malformed_itap.rtf", "LibreOffice shows nothing of this broken table"},
        {"pandoc/rtf-table_simple.rtf", "LibreOffice loses cells of a row without \\cellx"},
        {"pandoc/writer.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"rtfparserkit/test10001Encoding.rtf", "LibreOffice draws the bullet from the list table; TextEdit wrote no \\listtext"},
        {"rtfparserkit/testJapaneseUtf8Encoding.rtf", "LibreOffice ignores the font's \\cpg65001 (UTF-8)"},
        {"tika/testRTFHyperlinkAndStyles.rtf", "LibreOffice has no code page for \\fcharset1 (default); we use the document's"},
        {"tika/testRTFInvalidUnicode.rtf", "a lone UTF-16 half is U+FFFD for us, the fallback '?' for LibreOffice"},
        {"tika/testRTFJapanese.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"tika/testRTFListLibreOffice.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"tika/testRTFListMicrosoftWord.rtf", "LibreOffice draws bullets from the list table, we show \\listtext"},
        {"tika/testRTFTableCellSeparation2.rtf", "LibreOffice joins two cells' words"},
    };
    return differences;
}

}  // namespace

class RtfCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void readsAsLibreOfficeDoes_data();
    void readsAsLibreOfficeDoes();
};

void RtfCorpusTest::readsAsLibreOfficeDoes_data() {
    QTest::addColumn<QString>("file");
    QDirIterator files(CorpusDir(), {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    QStringList names;
    while (files.hasNext()) names << QDir(CorpusDir()).relativeFilePath(files.next());
    names.sort();
    QVERIFY2(names.size() >= 50, qPrintable(CorpusDir()));
    for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
}

void RtfCorpusTest::readsAsLibreOfficeDoes() {
    QFETCH(QString, file);
    const QDir corpus(CorpusDir());
    QFile rtf(corpus.filePath(file));
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    const std::optional<QStringList> lines = ReadResultsBytes(rtf.readAll());
    QVERIFY(lines.has_value());
    for (const QString& line : *lines) {
        for (QChar ch : line) QVERIFY2(ch == u'\t' || ch.category() != QChar::Other_Control, qPrintable(line));
    }

    QFile text(corpus.filePath(file.chopped(4) + ".txt"));
    if (!text.open(QIODevice::ReadOnly)) QSKIP("LibreOffice cannot load this file");
    const auto known = KnownDifferences().find(file);
    const QStringList ours = Words(lines->join(u'\n'));
    const QStringList theirs = Words(DecodePlainText(text.readAll()));
    if (known != KnownDifferences().end()) {
        QVERIFY2(ours != theirs, "reads as LibreOffice does now: take it off the list of differences");
        QSKIP(known->second);
    }
    QCOMPARE(ours, theirs);
}

QTEST_GUILESS_MAIN(RtfCorpusTest)
#include "RtfCorpusTest.moc"
