// SPDX-License-Identifier: GPL-3.0-or-later
// The Quick Start Guide reading aloud through the real speech-dispatcher voice (a private daemon
// whose address is in SPEECHD_ADDRESS): every word is selected, in order, as it is spoken.
#include "dialogs/support/DialogControls.h"
#include "dialogs/GuideText.h"
#include "dialogs/UnitHelp.h"
#include "platform/Platform.h"
#include "platform/SpeechDispatcherVoice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace ferrolin;
using ferrolin::testing::Named;

namespace {

constexpr int kReadingTimeoutMs = 60000;

QStringList WordsIn(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Keeps what was selected for a look after a failure.
void DumpWords(const QStringList& words)
{
    QFile dump(QDir::temp().filePath(QStringLiteral("ferrolin-guide-words.txt")));
    if (dump.open(QIODevice::WriteOnly))
        dump.write(words.join(u'\n').toUtf8());
    qInfo("selected words written to %s", qPrintable(dump.fileName()));
}

}  // namespace

class GuideSpeechIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")) {
            if (qEnvironmentVariableIntValue("FERROLIN_REQUIRE_SERVICES") == 1)
                QFAIL("SPEECHD_ADDRESS is not set: the private speech-dispatcher did not start");
            QSKIP("no private speech-dispatcher (SPEECHD_ADDRESS unset); scripts/run-tests starts one");
        }
    }

    void readingSelectsEachWordInOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("the guide") << GuideText();
        QTest::newRow("edited, non-ASCII over lines")
            << QStringLiteral("Grüße aus Köln\n\nnaïve café, Zürich\n  last line");
        // Engines treat a capital after a full stop as a new sentence: a word there is still a word.
        QTest::newRow("sentences on one line") << QStringLiteral("It works. If not, say so. Then stop.");
    }

    void readingSelectsEachWordInOrder()
    {
        QFETCH(QString, text);
        Platform platform;
        // Only the private daemon: a missing one must fail here, not start the desktop's.
        Voice* voice = nullptr;  // owned by the window
        platform.makeVoice = [&voice] {
            auto made = std::make_unique<SpeechDispatcherVoice>(SpeechDispatcherVoice::Options{false});
            voice = made.get();
            return made;
        };
        QStringList errors;
        TFormHelp guide(nullptr, platform, [&](const QString& message) { errors << message; });
        guide.show();
        if (text != GuideText())
            Named<QPlainTextEdit>(guide, "RichEdit1")->setPlainText(text);

        const QStringList expected = WordsIn(text);
        QStringList selected;
        QVERIFY(voice);
        // Connected after the window's own handler, so it sees the selection that word made.
        connect(voice, &Voice::Word, this, [&] { selected << guide.HighlightedWord(); });

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(Named<QPushButton>(guide, "BitBtnPlay"), Qt::LeftButton);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
        // Done when every word came, or when the last one did (a word whose mark never came
        // would otherwise cost the whole timeout).
        int lastWordEnd = int(text.size());
        while (lastWordEnd > 0 && text.at(lastWordEnd - 1).isSpace())
            --lastWordEnd;
        const bool reachedTheEnd = QTest::qWaitFor([&] {
            const auto shown = Named<QPlainTextEdit>(guide, "RichEdit1")->extraSelections();
            return selected.size() >= expected.size()
                   || (!shown.isEmpty() && shown.first().cursor.selectionEnd() == lastWordEnd);
        }, kReadingTimeoutMs);
        if (!reachedTheEnd)
            qWarning("the reading did not reach its last word within %d ms", kReadingTimeoutMs);
        qInfo("%lld of %lld words read and selected in %lld ms", qint64(selected.size()),
              qint64(expected.size()), clock.elapsed());
        if (selected != expected)
            DumpWords(selected);
        QCOMPARE(selected, expected);

        guide.close();
        QVERIFY(!guide.isVisible());
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    }
};

QTEST_MAIN(GuideSpeechIntegrationTest)
#include "GuideSpeechIntegrationTest.moc"
