// SPDX-License-Identifier: GPL-3.0-or-later
// The SSML we hand to speech-dispatcher and the index marks that come back: the Guide selects
// text.mid(position, length) for each mark, so any drift or lost word shows up on screen.
#include "platform/SpeechMarkup.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace ferrolin;

namespace {

QStringList WordTexts(const QString& text) {
    QStringList out;
    for (const SpokenWord& word : WordsOf(text)) out.append(text.mid(word.position, word.length));
    return out;
}

// What an XML parser gives back for the text parts of a document: line ends normalised to LF.
QString AsXmlReadsIt(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

class SpeechMarkupTest : public QObject {
    Q_OBJECT
private slots:
    void wordsAreRunsOfNonWhitespace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("only blanks and line ends") << QStringLiteral(" \t\r\n \n") << QStringList{};
        QTest::newRow("one word") << QStringLiteral("Evaluate") << QStringList{"Evaluate"};
        QTest::newRow("blanks around") << QStringLiteral("  Result = 5.00 ")
                                       << QStringList{"Result", "=", "5.00"};
        QTest::newRow("CRLF and LF") << QStringLiteral("one\r\ntwo\nthree\r\n\r\nfour")
                                     << QStringList{"one", "two", "three", "four"};
        QTest::newRow("tabs") << QStringLiteral("a\tb\t\tc") << QStringList{"a", "b", "c"};
        QTest::newRow("non-ASCII") << QStringLiteral("größer ÷ Ωmega") << QStringList{"größer", "÷", "Ωmega"};
        QTest::newRow("surrogate pairs stay inside a word")
            << QStringLiteral("x\U0001F600y \U0001D70B") << QStringList{"x\U0001F600y", "\U0001D70B"};
        QTest::newRow("no-break space separates") << QStringLiteral("1\u00A0000") << QStringList{"1", "000"};
        QTest::newRow("punctuation belongs to the word") << QStringLiteral("sin(pi/2)*3, done.")
                                                         << QStringList{"sin(pi/2)*3,", "done."};
    }
    void wordsAreRunsOfNonWhitespace() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(WordTexts(text), words);
    }

    void wordPositionsCountUtf16Units() {
        const QString text = QStringLiteral("\U0001F600 a\r\nbc");
        const QList<SpokenWord> expected{{0, 2}, {3, 1}, {6, 2}};
        QCOMPARE(WordsOf(text), expected);
    }

    void escaping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << QStringLiteral("2+3") << QStringLiteral("2+3");
        QTest::newRow("markup characters") << QStringLiteral("a<b & c>d")
                                           << QStringLiteral("a&lt;b &amp; c&gt;d");
        QTest::newRow("quotes") << QStringLiteral("\"x\" 'y'") << QStringLiteral("&quot;x&quot; &apos;y&apos;");
        QTest::newRow("entity-looking text") << QStringLiteral("&amp;") << QStringLiteral("&amp;amp;");
        QTest::newRow("control characters") << QStringLiteral("a\x01" "b\x1F" "c\x0C" "d")
                                            << QStringLiteral("a b c d");
        QTest::newRow("tab and line ends kept") << QStringLiteral("a\tb\r\nc") << QStringLiteral("a\tb\r\nc");
        QTest::newRow("pair kept") << QStringLiteral("\U0001F600") << QStringLiteral("\U0001F600");
        QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + u'x' + QChar(0xDC00)
                                         << QStringLiteral(" x ");
        QTest::newRow("noncharacters") << QString(QChar(0xFFFE)) + QChar(0xFFFF) << QStringLiteral("  ");
    }
    void escaping() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(EscapeForXml(text), escaped);
    }

    void markNamesRoundTrip_data() {
        QTest::addColumn<quint64>("phrase");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::newRow("first word") << quint64(1) << 0 << 3;
        QTest::newRow("later phrase") << quint64(42) << 1234 << 17;
        QTest::newRow("largest values") << quint64(9999999999999999999ULL) << 0x7FFFFFFF << 0x7FFFFFFF;
    }
    void markNamesRoundTrip() {
        QFETCH(quint64, phrase);
        QFETCH(int, position);
        QFETCH(int, length);
        const WordMark mark{phrase, {position, length}};
        const QString name = EncodeMarkName(mark);
        for (QChar c : name) QVERIFY2(c.unicode() < 0x80 && !c.isSpace(), qPrintable(name));
        QCOMPARE(DecodeMarkName(name), std::optional<WordMark>(mark));
    }

    void foreignMarkNamesAreIgnored_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("prefix only") << QStringLiteral("w");
        QTest::newRow("service's own mark") << QStringLiteral("__spd_begin");
        QTest::newRow("other prefix") << QStringLiteral("x1_2_3");
        QTest::newRow("too few parts") << QStringLiteral("w1_2");
        QTest::newRow("too many parts") << QStringLiteral("w1_2_3_4");
        QTest::newRow("empty part") << QStringLiteral("w1__3");
        QTest::newRow("sign") << QStringLiteral("w1_-2_3");
        QTest::newRow("letters") << QStringLiteral("w1_2a_3");
        QTest::newRow("zero length") << QStringLiteral("w1_2_0");
        QTest::newRow("position beyond int") << QStringLiteral("w1_2147483648_1");
        QTest::newRow("phrase beyond 64 bits") << QStringLiteral("w99999999999999999999_0_1");
    }
    void foreignMarkNamesAreIgnored() {
        QFETCH(QString, name);
        QCOMPARE(DecodeMarkName(name), std::nullopt);
    }

    void ssmlOfASimplePhrase() {
        QCOMPARE(BuildSsml(7, QStringLiteral(" a <b")),
                 QStringLiteral("<speak> <mark name=\"w7_1_1\"/>a <mark name=\"w7_3_2\"/>&lt;b</speak>"));
    }

    // Whatever the text, the document must parse, read back as the text, and carry one mark per
    // word, in order, naming exactly the word that follows it.
    void ssmlParsesWithAMarkBeforeEachWord_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("result phrase") << QStringLiteral("Result = 5.00");
        QTest::newRow("padded phrase") << QStringLiteral(" Evaluate ");
        QTest::newRow("lines") << QStringLiteral("Line one\r\nline two\nline three\r\n");
        QTest::newRow("markup everywhere") << QStringLiteral("<speak>&amp;</speak> \"q\" <mark name='x'/>");
        QTest::newRow("non-ASCII") << QStringLiteral("Größe ÷ π ≈ 3,14 — fin");
        QTest::newRow("astral") << QStringLiteral("\U0001F600 smile\U0001F600 \U0001D70B");
        QTest::newRow("control characters") << QStringLiteral("a\x01 b\x0B\x0C c");
    }
    void ssmlParsesWithAMarkBeforeEachWord() {
        QFETCH(QString, text);
        const quint64 phrase = 12;
        const QList<SpokenWord> words = WordsOf(text);
        QXmlStreamReader xml(BuildSsml(phrase, text));
        QString readBack;
        QList<SpokenWord> marked;
        QStringList textAfterMark;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters()) {
                readBack += xml.text();
                if (!textAfterMark.isEmpty() && textAfterMark.last().isNull())
                    textAfterMark.last() = xml.text().toString();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("mark")) {
                const auto mark = DecodeMarkName(xml.attributes().value("name").toString());
                QVERIFY(mark);
                QCOMPARE(mark->phrase, phrase);
                marked.append(mark->word);
                textAfterMark.append(QString());
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(marked, words);
        QCOMPARE(readBack, AsXmlReadsIt(EscapeForXmlThenUnescape(text)));
        for (qsizetype i = 0; i < words.size(); ++i)
            QVERIFY(textAfterMark[i].startsWith(EscapeForXmlThenUnescape(text.mid(words[i].position, words[i].length))));
    }

private:
    // The characters XML cannot carry come back as blanks; everything else as it was.
    static QString EscapeForXmlThenUnescape(const QString& text) {
        QString out = EscapeForXml(text);
        out.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
        return out.replace("&amp;", "&");
    }
};

QTEST_GUILESS_MAIN(SpeechMarkupTest)
#include "SpeechMarkupTest.moc"
