// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: opening the Quick Start Guide and the About window from the main window, their
// spoken phrases through the main window's voice, the purge after About, and speech failures.
#include "dialogs/support/DialogControls.h"
#include "dialogs/HomePageLabel.h"
#include "dialogs/UnitAbout.h"
#include "dialogs/UnitHelp.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeShell.h"
#include "platform/fakes/FakeVoice.h"
#include "window/UnitMain.h"
#include "window/HelpCommands.h"
#include "window/support/WindowControls.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace ferrolin;
using namespace ferrolin::testing;

namespace {

const QString kGuidePhrase = QStringLiteral(" Quick start help launching. Press the play button for speach");
const QString kIntroduction =
    QStringLiteral("I am Ferrolin version 2009.   ..  My parser and speach engine are different in this version");
const QString kServiceDown = QStringLiteral("Can't connect to the speech service");

using FakeCall = FakeVoice::Call;
using Events = QList<FakeVoice::Event>;

// What a test does while the Help window is "open"; its return value is the window's result.
using WhileOpen = std::function<int(QDialog&)>;

}  // namespace

Q_DECLARE_METATYPE(WhileOpen)

class HelpMenuTest : public QObject {
    Q_OBJECT

    struct Main {
        FakeMessageBoxes boxes;
        FakeShell shell;
        std::vector<FakeVoice*> voices;  // [0] the main window's, then one per Guide; owned by their windows
        std::unique_ptr<TForm1> form;
        QPointer<QDialog> shown;         // the window handed to the window runner, while it lives
        int showCount = 0;
        WhileOpen whileOpen = [](QDialog&) { return int(QDialog::Rejected); };

        Main()
        {
            Platform platform;
            platform.messageBoxes = &boxes;
            platform.shell = &shell;
            platform.makeVoice = [this] {
                auto made = std::make_unique<FakeVoice>();
                voices.push_back(made.get());
                return made;
            };
            form = std::make_unique<TForm1>(platform);
            form->Help().SetWindowRunner([this](QDialog& window) {
                ++showCount;
                shown = &window;
                window.show();
                const int result = whileOpen(window);
                window.done(result);
                return result;
            });
            form->show();
        }

        FakeVoice& mainVoice() const { return *voices.front(); }

        // Chooses the item the way the menu does, and lets the queued handler run.
        void Choose(QAction* item) const
        {
            item->trigger();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();  // the error box of a failed Say comes one turn later
        }
    };

private slots:
    // (Their captions and access keys: KeyboardAccessTest.)
    void helpMenuHoldsGuideThenAbout()
    {
        Main main;
        QCOMPARE(MenuNamed(*main.form, "HelpMenu")->actions().at(0), ItemNamed(*main.form, "MnuQuickStartGuide"));
        QCOMPARE(MenuNamed(*main.form, "HelpMenu")->actions().at(1), ItemNamed(*main.form, "MnuAbout"));
    }

    void itemsOpenTheirWindowOnlyAfterTheTriggerReturns_data()
    {
        QTest::addColumn<bool>("guide");
        QTest::newRow("Quick Start Guide") << true;
        QTest::newRow("About") << false;
    }

    void itemsOpenTheirWindowOnlyAfterTheTriggerReturns()
    {
        QFETCH(bool, guide);
        Main main;
        QString caption;
        bool ownedByMain = false;
        main.whileOpen = [&](QDialog& window) {
            caption = window.windowTitle();
            ownedByMain = window.parentWidget() == main.form.get();
            return int(QDialog::Accepted);
        };
        QAction* item = guide ? ItemNamed(*main.form, "MnuQuickStartGuide") : ItemNamed(*main.form, "MnuAbout");
        item->trigger();
        QCOMPARE(main.showCount, 0);  // queued: an accessibility action that triggers it is not held up
        QCoreApplication::processEvents();
        QCOMPARE(main.showCount, 1);
        QCOMPARE(caption, guide ? QStringLiteral("Quick Start Guide") : QStringLiteral("Ferrolin"));
        QVERIFY(ownedByMain);
        QVERIFY(main.shown.isNull());  // destroyed once closed
        QVERIFY(main.boxes.calls().isEmpty());
    }

    void openingTheGuideSpeaksOnlyWithAudio_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("audio on") << true << QStringList{kGuidePhrase};
        QTest::newRow("audio off") << false << QStringList{};
    }

    void openingTheGuideSpeaksOnlyWithAudio()
    {
        QFETCH(bool, audio);
        QFETCH(QStringList, spoken);
        Main main;
        ItemNamed(*main.form, "MnuAudio")->setChecked(audio);
        main.Choose(ItemNamed(*main.form, "MnuQuickStartGuide"));
        QCOMPARE(main.showCount, 1);
        QCOMPARE(main.mainVoice().spoken(), spoken);
        QCOMPARE(main.mainVoice().events().size(), spoken.size());  // the main voice is not purged
    }

    void theGuideReadsWithItsOwnVoice()
    {
        Main main;
        main.whileOpen = [](QDialog& window) {
            QTest::mouseClick(Named<QPushButton>(window, "BitBtnPlay"), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        main.Choose(ItemNamed(*main.form, "MnuQuickStartGuide"));
        QCOMPARE(main.voices.size(), size_t(2));
        QVERIFY(main.mainVoice().events().isEmpty());
    }

    void guideSpeechFailuresGoToTheErrorBox()
    {
        Main main;
        main.whileOpen = [&](QDialog& window) {
            main.voices.back()->FailAlways(kServiceDown);
            QTest::mouseClick(Named<QPushButton>(window, "BitBtnPlay"), Qt::LeftButton);
            // The real window's own event loop runs while it is open; the failure comes from it.
            if (!QTest::qWaitFor([&] { return !main.boxes.errors().isEmpty(); }, 2000))
                qWarning("no speech failure reported while the Guide was open");
            return int(QDialog::Rejected);
        };
        main.Choose(ItemNamed(*main.form, "MnuQuickStartGuide"));
        QCOMPARE(main.boxes.errors(), QStringList{kServiceDown + QLatin1Char('.')});
        QCOMPARE(main.boxes.calls().first().title, main.form->ApplicationTitle());
    }

    void aboutIntroductionAndPurge_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<WhileOpen>("whileOpen");
        QTest::addColumn<Events>("events");
        const WhileOpen ok = [](QDialog& window) {
            QTest::mouseClick(Named<QPushButton>(window, "Button1"), Qt::LeftButton);
            return window.result();
        };
        const WhileOpen closeBox = [](QDialog& window) {
            window.close();
            return window.result();
        };
        const Events introduced = {{FakeCall::Speak, kIntroduction}, {FakeCall::Purge, {}}};
        const Events purgedOnly = {{FakeCall::Purge, {}}};
        QTest::newRow("audio on, OK") << true << ok << introduced;
        QTest::newRow("audio on, close box") << true << closeBox << introduced;
        QTest::newRow("audio off, OK") << false << ok << purgedOnly;
        QTest::newRow("audio off, close box") << false << closeBox << purgedOnly;
    }

    void aboutIntroductionAndPurge()
    {
        QFETCH(bool, audio);
        QFETCH(WhileOpen, whileOpen);
        QFETCH(Events, events);
        Main main;
        ItemNamed(*main.form, "MnuAudio")->setChecked(audio);
        Events whileShown;
        main.whileOpen = [&](QDialog& window) {
            whileShown = main.mainVoice().events();
            return whileOpen(window);
        };
        main.Choose(ItemNamed(*main.form, "MnuAbout"));
        QCOMPARE(main.showCount, 1);
        QCOMPARE(whileShown, events.mid(0, events.size() - 1));  // the purge waits for the close
        QCOMPARE(main.mainVoice().events(), events);
        QVERIFY(main.shown.isNull());
        QVERIFY(main.boxes.calls().isEmpty());
    }

    // The window is shown all the same: a speech failure arrives later and is shown once.
    void aboutSpeechFailuresAreShownOnce_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("failPurgeOnly");
        QTest::addColumn<Events>("events");
        QTest::newRow("audio on, service down")
            << true << false << Events{{FakeCall::Speak, kIntroduction, true}, {FakeCall::Purge, {}, true}};
        QTest::newRow("audio off, service down") << false << false << Events{{FakeCall::Purge, {}, true}};
        QTest::newRow("audio on, service lost while shown")
            << true << true << Events{{FakeCall::Speak, kIntroduction}, {FakeCall::Purge, {}, true}};
    }

    void aboutSpeechFailuresAreShownOnce()
    {
        QFETCH(bool, audio);
        QFETCH(bool, failPurgeOnly);
        QFETCH(Events, events);
        Main main;
        ItemNamed(*main.form, "MnuAudio")->setChecked(audio);
        if (!failPurgeOnly)
            main.mainVoice().FailAlways(kServiceDown);
        int errorsWhileShown = -1;
        main.whileOpen = [&](QDialog&) {
            errorsWhileShown = int(main.boxes.errors().size());
            if (failPurgeOnly)
                main.mainVoice().FailAlways(kServiceDown);
            return int(QDialog::Accepted);
        };
        QSignalSpy failures(&main.mainVoice(), &Voice::Failed);
        main.Choose(ItemNamed(*main.form, "MnuAbout"));
        QCOMPARE(main.showCount, 1);
        QCOMPARE(errorsWhileShown, 0);
        QCOMPARE(main.mainVoice().events(), events);
        QTRY_COMPARE(main.boxes.errors(), QStringList{kServiceDown + QLatin1Char('.')});
        // Every failed call has reported back, and whatever that queued has run: still one box.
        QTRY_COMPARE(failures.size(), int(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.failed; })));
        QCoreApplication::processEvents();
        QCOMPARE(main.boxes.errors().size(), 1);
        QVERIFY(main.shown.isNull());
    }

    void aboutLinkUsesThePlatformShell()
    {
        Main main;
        main.shell.succeeds = false;
        main.whileOpen = [](QDialog& window) {
            QTest::mouseClick(Named<ferrolin::HomePageLabel>(window, "LabelHomePage"), Qt::LeftButton);
            return int(QDialog::Accepted);
        };
        main.Choose(ItemNamed(*main.form, "MnuAbout"));
        QCOMPARE(main.shell.openedUrls.size(), 1);
        QCOMPARE(main.boxes.notices(), QStringList{"Website not available"});
        QCOMPARE(main.boxes.calls().first().title, main.form->ApplicationTitle());
    }
};

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
