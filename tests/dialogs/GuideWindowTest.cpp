// SPDX-License-Identifier: GPL-3.0-or-later
// The Quick Start Guide window driven through its buttons, its voice's word events and every way
// of closing it, with a fake voice.
#include "dialogs/support/DialogControls.h"
#include "dialogs/ButtonPictures.h"
#include "dialogs/GuideText.h"
#include "dialogs/UnitHelp.h"
#include "platform/Platform.h"
#include "platform/fakes/FakeVoice.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QRegularExpression>
#include <QScrollBar>

#include <functional>
#include <memory>
#include <utility>

using namespace ferrolin;
using ferrolin::testing::Named;

namespace {

using CloseWay = std::function<void(TFormHelp&)>;

const QString kServiceDown = QStringLiteral("Can't connect to unix socket: Connection refused");

// Where the words of "one two\nthree four" start, and how long they are.
const std::pair<int, int> kFourWords[] = {{0, 3}, {4, 3}, {8, 5}, {14, 4}};

}  // namespace

Q_DECLARE_METATYPE(CloseWay)

class GuideWindowTest : public QObject {
    Q_OBJECT

    // A fresh window per test, shown as exec() would show it (without the nested loop).
    struct Guide {
        FakeVoice* voice = nullptr;  // owned by the window
        QStringList errors;
        std::unique_ptr<TFormHelp> window;

        Guide()
        {
            Platform platform;
            platform.makeVoice = [this] {
                auto made = std::make_unique<FakeVoice>();
                voice = made.get();
                return made;
            };
            window = std::make_unique<TFormHelp>(nullptr, platform,
                                                 [this](const QString& message) { errors << message; });
            window->show();
        }

        int purges() const
        {
            int count = 0;
            for (const auto& event : voice->events())
                count += event.call == FakeVoice::Call::Purge ? 1 : 0;
            return count;
        }
    };

    static void addCloseWays()
    {
        QTest::addColumn<CloseWay>("closeWay");
        QTest::newRow("Close button") << CloseWay([](TFormHelp& w) { QTest::mouseClick(Named<QPushButton>(w, "Button1"), Qt::LeftButton); });
        QTest::newRow("close box") << CloseWay([](TFormHelp& w) { w.close(); });
        QTest::newRow("Esc key") << CloseWay([](TFormHelp& w) { QTest::keyClick(Named<QPlainTextEdit>(w, "RichEdit1"), Qt::Key_Escape); });
        QTest::newRow("rejected") << CloseWay([](TFormHelp& w) { w.reject(); });
        QTest::newRow("accepted") << CloseWay([](TFormHelp& w) { w.accept(); });
    }

private slots:
    void opensOnTheGuideFromItsFirstLine()
    {
        Guide guide;
        QCOMPARE(guide.window->windowTitle(), QStringLiteral("Quick Start Guide"));
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->toPlainText(), GuideText());
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->document()->blockCount(), 74);
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->textCursor().position(), 0);
        QVERIFY(!Named<QPlainTextEdit>(*guide.window, "RichEdit1")->textCursor().hasSelection());
        QVERIFY(!Named<QPlainTextEdit>(*guide.window, "RichEdit1")->isReadOnly());
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->verticalScrollBar()->value(), 0);
        QCOMPARE(guide.window->minimumSize(), guide.window->maximumSize());
        QCOMPARE(Named<QPushButton>(*guide.window, "BitBtnPlay")->accessibleName(), QStringLiteral("Play"));
        QCOMPARE(Named<QPushButton>(*guide.window, "BitBtnStop")->accessibleName(), QStringLiteral("Stop"));
        QCOMPARE(Named<QPushButton>(*guide.window, "Button1")->text(), QStringLiteral("Close"));
        QVERIFY(guide.voice->events().isEmpty());  // nothing reaches the service until Play
    }

    void playReadsTheBoxAsItIsNow_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("the guide") << false << QString() << QStringList{GuideText()};
        QTest::newRow("edited") << true << QStringLiteral("Two lines\nof text") << QStringList{"Two lines\nof text"};
        QTest::newRow("emptied") << true << QString() << QStringList{};
        QTest::newRow("blanks only") << true << QStringLiteral("  ") << QStringList{"  "};
    }

    void playReadsTheBoxAsItIsNow()
    {
        QFETCH(bool, replace);
        QFETCH(QString, text);
        QFETCH(QStringList, spoken);
        Guide guide;
        if (replace)
            Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(text);
        Named<QPushButton>(*guide.window, "BitBtnStop")->setFocus();
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QCOMPARE(guide.voice->spoken(), spoken);
        QCOMPARE(guide.window->focusWidget() == Named<QPlainTextEdit>(*guide.window, "RichEdit1"), !spoken.isEmpty());
        QVERIFY(guide.errors.isEmpty());
    }

    void playTwiceQueuesASecondReading()
    {
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QCOMPARE(guide.voice->spoken(), QStringList{GuideText()});
        emit guide.voice->Finished();
        QCOMPARE(guide.voice->spoken(), QStringList(2, GuideText()));
        QCOMPARE(guide.purges(), 0);
    }

    // The guide reads at a priority a screen reader interrupts; each interruption hands the rest
    // over again at once, from the word it was on, however often the screen reader cuts in.
    void readingGoesOnAfterAnInterruption_data()
    {
        QTest::addColumn<int>("wordsHeard");
        QTest::addColumn<QStringList>("spoken");
        const QString text = QStringLiteral("one two\nthree four");
        QTest::newRow("cut while waiting") << 0 << QStringList{text, text, text};
        QTest::newRow("cut after two words") << 2 << QStringList{text, "two\nthree four", "two\nthree four"};
    }

    void readingGoesOnAfterAnInterruption()
    {
        QFETCH(int, wordsHeard);
        QFETCH(QStringList, spoken);
        Guide guide;
        Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(QStringLiteral("one two\nthree four"));
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        for (int i = 0; i < wordsHeard; ++i)
            guide.voice->EmitWord(kFourWords[i].first, kFourWords[i].second);
        emit guide.voice->Interrupted();
        QTRY_COMPARE(guide.voice->spoken().size(), 2);
        // A second cut straight after is held back a moment, never dropped.
        emit guide.voice->Interrupted();
        QTRY_COMPARE(guide.voice->spoken(), spoken);
        for (const auto& event : guide.voice->events())
            QCOMPARE(event.priority, SpeechPriority::Text);
        if (wordsHeard == 2) {
            // Positions in the resumed phrase count from where it starts.
            guide.voice->EmitWord(4, 5);
            QCOMPARE(guide.window->HighlightedWord(), QStringLiteral("three"));
        }
    }

    // A reading that was stopped or heard to its end is never taken up again; the next Play
    // reads on its own.
    void aFinishedOrStoppedReadingIsNotTakenUpAgain_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("read to the end") << false;
        QTest::newRow("stopped") << true;
    }

    void aFinishedOrStoppedReadingIsNotTakenUpAgain()
    {
        QFETCH(bool, stop);
        Guide guide;
        const QString first = QStringLiteral("one two\nthree four");
        const QString second = QStringLiteral("five six");
        Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(first);
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        guide.voice->EmitWords(first);
        if (stop)
            QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnStop"), Qt::LeftButton);
        else
            emit guide.voice->Finished();
        emit guide.voice->Interrupted();  // a late report of the phrase before
        Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(second);
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        emit guide.voice->Finished();
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QCOMPARE(guide.voice->spoken(), (QStringList{first, second, second}));
    }

    // The highlight is drawn, not selected: the caret and the selection stay where they were.
    void highlightLeavesTheSelectionAlone()
    {
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        const int caret = Named<QPlainTextEdit>(*guide.window, "RichEdit1")->textCursor().position();
        guide.voice->EmitWord(6, 5);
        QCOMPARE(guide.window->HighlightedWord(), QStringLiteral("Start"));
        QVERIFY(!Named<QPlainTextEdit>(*guide.window, "RichEdit1")->textCursor().hasSelection());
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->textCursor().position(), caret);
    }

    void enterPressesAFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("speaks");
        QTest::addColumn<int>("purges");
        QTest::addColumn<bool>("open");
        QTest::newRow("Play, Enter") << "BitBtnPlay" << int(Qt::Key_Return) << 1 << 0 << true;
        QTest::newRow("Play, keypad Enter") << "BitBtnPlay" << int(Qt::Key_Enter) << 1 << 0 << true;
        QTest::newRow("Play, Space") << "BitBtnPlay" << int(Qt::Key_Space) << 1 << 0 << true;
        QTest::newRow("Stop, Enter") << "BitBtnStop" << int(Qt::Key_Return) << 0 << 1 << true;
        QTest::newRow("Close, Enter") << "Button1" << int(Qt::Key_Return) << 0 << 0 << false;
    }

    void enterPressesAFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, speaks);
        QFETCH(int, purges);
        QFETCH(bool, open);
        Guide guide;
        auto* pressed = guide.window->findChild<QPushButton*>(button);
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key(key));
        QCOMPARE(guide.voice->spoken().size(), speaks);
        QCOMPARE(guide.purges(), purges);
        QCOMPARE(guide.window->isVisible(), open);
    }

    void eachSpokenWordIsSelected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("the guide") << GuideText();
        QTest::newRow("non-ASCII over lines") << QStringLiteral("Grüße aus Köln\nŁódź, Zürich\n\nπ ≈ 3.14 — naïve café");
        QTest::newRow("blank lines and tabs") << QStringLiteral("\n\nfirst\tword\n\n\n  last  \n");
        QTest::newRow("outside the BMP") << QStringLiteral("x 𝑥² 😀smile\n𝔸𝔹 end");
        QTest::newRow("one long wrapped line") << QStringLiteral("word ").repeated(200).trimmed();
    }

    void eachSpokenWordIsSelected()
    {
        QFETCH(QString, text);
        Guide guide;
        Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(text);
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QCOMPARE(guide.voice->spoken().size(), 1);
        const QString spoken = guide.voice->spoken().first();

        QStringList selected;
        QStringList expected;
        connect(guide.voice, &Voice::Word, guide.window.get(), [&](int position, int length) {
            expected << spoken.mid(position, length);
            selected << guide.window->HighlightedWord();
        });  // runs after the window's own handler, connected first
        guide.voice->EmitWords(spoken);

        QVERIFY(!expected.isEmpty());
        QCOMPARE(selected, expected);
        QCOMPARE(selected.size(), spoken.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
    }

    void wordsPastAnEditedEndStayInTheText_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        QTest::newRow("straddles the end") << 3 << 10 << QStringLiteral("rt");
        QTest::newRow("starts past the end") << 40 << 5 << QString();
        QTest::newRow("negative position") << -3 << 2 << QString();
        QTest::newRow("huge length") << 1 << std::numeric_limits<int>::max() << QStringLiteral("hort");
    }

    void wordsPastAnEditedEndStayInTheText()
    {
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QString, selected);
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        Named<QPlainTextEdit>(*guide.window, "RichEdit1")->setPlainText(QStringLiteral("short"));
        guide.voice->EmitWord(position, length);
        QCOMPARE(guide.window->HighlightedWord(), selected);
    }

    void stopPurgesTheReading()
    {
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnStop"), Qt::LeftButton);
        QCOMPARE(guide.voice->events().size(), 2);
        QCOMPARE(guide.voice->events().last().call, FakeVoice::Call::Purge);
        QVERIFY(guide.window->isVisible());
    }

    void speechFailuresGoToTheErrorBoxAndChangeNothing_data()
    {
        QTest::addColumn<bool>("play");
        QTest::newRow("Play") << true;
        QTest::newRow("Stop") << false;
    }

    void speechFailuresGoToTheErrorBoxAndChangeNothing()
    {
        QFETCH(bool, play);
        Guide guide;
        guide.voice->FailAlways(kServiceDown);
        QTest::mouseClick(play ? Named<QPushButton>(*guide.window, "BitBtnPlay") : Named<QPushButton>(*guide.window, "BitBtnStop"), Qt::LeftButton);
        QTRY_COMPARE(guide.errors, QStringList{kServiceDown});
        QCOMPARE(guide.voice->events().size(), 1);
        QVERIFY(guide.voice->events().first().failed);
        QCOMPARE(Named<QPlainTextEdit>(*guide.window, "RichEdit1")->toPlainText(), GuideText());
        QVERIFY(guide.window->isVisible());

        // The service comes back: the next Play reads.
        guide.voice->StopFailing();
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        QCOMPARE(guide.voice->spoken(), QStringList{GuideText()});
    }

    void closingWhileReadingPurgesOnce_data() { addCloseWays(); }

    void closingWhileReadingPurgesOnce()
    {
        QFETCH(CloseWay, closeWay);
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        closeWay(*guide.window);
        QVERIFY(!guide.window->isVisible());
        QCOMPARE(guide.purges(), 1);
        QCOMPARE(guide.voice->events().last().call, FakeVoice::Call::Purge);
        QVERIFY(guide.errors.isEmpty());
    }

    void closingWithTheServiceGoneStillCloses_data() { addCloseWays(); }

    void closingWithTheServiceGoneStillCloses()
    {
        QFETCH(CloseWay, closeWay);
        Guide guide;
        QTest::mouseClick(Named<QPushButton>(*guide.window, "BitBtnPlay"), Qt::LeftButton);
        guide.voice->FailAlways(kServiceDown);
        closeWay(*guide.window);
        QVERIFY(!guide.window->isVisible());
        QCOMPARE(guide.purges(), 1);
        // Failures are posted as they happen; once a call posted after closing has run, any
        // second report would have arrived before it.
        bool drained = false;
        QMetaObject::invokeMethod(guide.window.get(), [&] { drained = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(drained);
        QCOMPARE(guide.errors, QStringList{kServiceDown});  // once, not once per handler
    }

    void closingAWindowThatNeverReadLeavesTheServiceAlone_data() { addCloseWays(); }

    void closingAWindowThatNeverReadLeavesTheServiceAlone()
    {
        QFETCH(CloseWay, closeWay);
        Guide guide;
        guide.voice->FailAlways(kServiceDown);
        closeWay(*guide.window);
        QVERIFY(!guide.window->isVisible());
        QVERIFY(guide.voice->events().isEmpty());
        QVERIFY(guide.errors.isEmpty());
    }

    void withoutAVoiceThereIsNothingToPlay()
    {
        QStringList errors;
        TFormHelp window(nullptr, Platform{}, [&](const QString& message) { errors << message; });
        window.show();
        QVERIFY(!Named<QPushButton>(window, "BitBtnPlay")->isEnabled());
        QVERIFY(!Named<QPushButton>(window, "BitBtnStop")->isEnabled());
        window.BitBtnPlayClick();
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(errors.isEmpty());
    }

    // Drawn afresh for each scale, so never a blurred enlargement of a smaller picture.
    void buttonIconsAreSharpAtEveryScale_data()
    {
        QTest::addColumn<bool>("play");
        QTest::addColumn<qreal>("scale");
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            QTest::addRow("Play at %g", scale) << true << scale;
            QTest::addRow("Stop at %g", scale) << false << scale;
        }
    }

    void buttonIconsAreSharpAtEveryScale()
    {
        QFETCH(bool, play);
        QFETCH(qreal, scale);
        const QIcon icon = play ? PlayIcon() : StopIcon();
        const QPixmap shown = icon.pixmap(QSize(24, 24), scale);
        const int side = qRound(24 * scale);
        QCOMPARE(shown.size(), QSize(side, side));
        QCOMPARE(shown.devicePixelRatio(), scale);
        QImage drawn = (play ? PlayPicture(side) : StopPicture(side)).toImage();
        drawn.setDevicePixelRatio(scale);
        QCOMPARE(shown.toImage().convertToFormat(drawn.format()), drawn);
    }

    void buttonPictures_data()
    {
        QTest::addColumn<QPixmap>("picture");
        QTest::addColumn<int>("side");
        QTest::newRow("Play 24") << PlayPicture(24) << 24;
        QTest::newRow("Stop 24") << StopPicture(24) << 24;
        QTest::newRow("Play 19") << PlayPicture(19) << 19;
        QTest::newRow("Stop 48") << StopPicture(48) << 48;
    }

    void buttonPictures()
    {
        QFETCH(QPixmap, picture);
        QFETCH(int, side);
        QCOMPARE(picture.size(), QSize(side, side));
        const QImage image = picture.toImage();
        const int last = side - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        const QColor centre = image.pixelColor(side / 2, side / 2);
        QCOMPARE(centre, QColor(Qt::white));
        const QColor rim = image.pixelColor(side / 2, side / 12 + 1);  // inside the disc, off the sign
        QCOMPARE(rim.alpha(), 255);
        QVERIFY(rim.blue() > 150 && rim.red() < 100 && rim.green() < 120);
    }
};

QTEST_MAIN(GuideWindowTest)
#include "GuideWindowTest.moc"
