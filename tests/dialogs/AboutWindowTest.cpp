// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its texts, the home-page label's hover underline and the link, reached by
// mouse, keyboard and the accessibility interface, with a fake shell and fake message boxes.
#include "dialogs/support/DialogControls.h"
#include "dialogs/HomePageLabel.h"
#include "dialogs/ReadableColour.h"
#include "dialogs/UnitAbout.h"
#include "ferrolin/Version.h"
#include "platform/Platform.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "platform/fakes/FakeShell.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

using namespace ferrolin;
using ferrolin::testing::Named;

namespace {

using Activation = std::function<void(HomePageLabel*)>;

const QString kTitle = QStringLiteral("Ferrolin");

void SendEnter(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

}  // namespace

Q_DECLARE_METATYPE(Activation)

class AboutWindowTest : public QObject {
    Q_OBJECT

    struct About {
        FakeShell shell;
        FakeMessageBoxes boxes;
        std::unique_ptr<TFormAbout> window;

        explicit About(bool withShell = true)
        {
            Platform platform;
            platform.shell = withShell ? &shell : nullptr;
            platform.messageBoxes = &boxes;
            window = std::make_unique<TFormAbout>(nullptr, platform, kTitle);
            window->show();
        }
    };

private slots:
    void showsNameCreditAndLink()
    {
        About about;
        QCOMPARE(about.window->windowTitle(), QStringLiteral("Ferrolin"));
        QCOMPARE(Named<QLabel>(*about.window, "LabelName")->text(), QStringLiteral("Ferrolin"));
        QCOMPARE(Named<QLabel>(*about.window, "LabelAuthor")->text(), QStringLiteral("by the Ferrolin developers"));
        QCOMPARE(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")->text(), QStringLiteral("Home page (Click here)"));
        QCOMPARE(Named<QPushButton>(*about.window, "Button1")->text(), QStringLiteral("OK"));
        QCOMPARE(Named<QLabel>(*about.window, "LabelVersion")->text(), QStringLiteral("Version ") + QLatin1String(ferrolin::kVersion));
        QCOMPARE(about.window->minimumSize(), about.window->maximumSize());
        QCOMPARE(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(!Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")->font().underline());
        QCOMPARE(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")->focusPolicy(), Qt::StrongFocus);
        for (QWidget* label : {static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelName")), static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelAuthor")),
                               static_cast<QWidget*>(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")), static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelVersion"))})
            QVERIFY2(about.window->rect().contains(label->geometry()), qPrintable(label->objectName()));
    }

    // The blue text stays readable (WCAG AA, 4.5:1) however the desktop colours its windows.
    void textIsReadableOnEveryPalette_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("blue");  // the designed blue is kept
        QTest::newRow("default light") << QColor(0xef, 0xef, 0xef) << QColor(Qt::black) << true;
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black) << true;
        QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << QColor(Qt::white) << false;
        QTest::newRow("high contrast black") << QColor(Qt::black) << QColor(Qt::white) << false;
        QTest::newRow("dark blue") << QColor(0x00, 0x00, 0x60) << QColor(Qt::yellow) << false;
    }

    void textIsReadableOnEveryPalette()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(bool, blue);
        const QPalette before = QApplication::palette();
        QPalette desktop = before;
        desktop.setColor(QPalette::Window, window);
        desktop.setColor(QPalette::WindowText, text);
        QApplication::setPalette(desktop);
        {
            About about;
            for (QWidget* label : {static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelName")), static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelAuthor")),
                                   static_cast<QWidget*>(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage")), static_cast<QWidget*>(Named<QLabel>(*about.window, "LabelVersion"))}) {
                const QColor shown = label->palette().color(QPalette::WindowText);
                const double ratio = ContrastRatio(shown, about.window->palette().color(QPalette::Window));
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(label->objectName()).arg(ratio)));
                if (blue)
                    QCOMPARE(shown, QColor(Qt::blue));
                else
                    QVERIFY2(shown.blue() > shown.red() && shown.blue() > shown.green(), qPrintable(shown.name()));
            }
        }
        QApplication::setPalette(before);
    }

    void okClosesWithResultOk()
    {
        About about;
        QTest::mouseClick(Named<QPushButton>(*about.window, "Button1"), Qt::LeftButton);
        QVERIFY(!about.window->isVisible());
        QCOMPARE(about.window->result(), int(QDialog::Accepted));
    }

    void underlineFollowsTheMouseAndKeepsTheOtherStyle_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("strikeOut");
        QTest::newRow("plain") << false << false << false;
        QTest::newRow("bold") << true << false << false;
        QTest::newRow("italic, struck out") << false << true << true;
    }

    void underlineFollowsTheMouseAndKeepsTheOtherStyle()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, strikeOut);
        About about;
        HomePageLabel* label = Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage");
        QFont font = label->font();
        font.setBold(bold);
        font.setItalic(italic);
        font.setStrikeOut(strikeOut);
        label->setFont(font);

        for (bool inside : {true, false, true, false}) {
            inside ? SendEnter(label) : SendLeave(label);
            QCOMPARE(label->font().underline(), inside);
            QCOMPARE(label->font().bold(), bold);
            QCOMPARE(label->font().italic(), italic);
            QCOMPARE(label->font().strikeOut(), strikeOut);
            QCOMPARE(label->font().pixelSize(), font.pixelSize());
        }
    }

    void linkOpensTheHomePageOrSaysItIsNotAvailable_data()
    {
        QTest::addColumn<Activation>("activate");
        QTest::addColumn<bool>("shellSucceeds");
        const QList<QPair<const char*, Activation>> ways = {
            {"click", [](HomePageLabel* l) { QTest::mouseClick(l, Qt::LeftButton); }},
            {"Return", [](HomePageLabel* l) { QTest::keyClick(l, Qt::Key_Return); }},
            {"Enter", [](HomePageLabel* l) { QTest::keyClick(l, Qt::Key_Enter); }},
            {"Space", [](HomePageLabel* l) { QTest::keyClick(l, Qt::Key_Space); }},
            {"accessible press", [](HomePageLabel* l) {
                 QAccessibleInterface* link = QAccessible::queryAccessibleInterface(l);
                 QVERIFY(link);
                 QCOMPARE(link->role(), QAccessible::Link);
                 QVERIFY(link->actionInterface());
                 link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                 QCoreApplication::processEvents();  // the press runs queued
             }},
        };
        for (const auto& [name, way] : ways) {
            QTest::newRow(qPrintable(QStringLiteral("%1, opened").arg(QLatin1String(name)))) << way << true;
            QTest::newRow(qPrintable(QStringLiteral("%1, not available").arg(QLatin1String(name)))) << way << false;
        }
    }

    void linkOpensTheHomePageOrSaysItIsNotAvailable()
    {
        QFETCH(Activation, activate);
        QFETCH(bool, shellSucceeds);
        About about;
        about.shell.succeeds = shellSucceeds;
        activate(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage"));

        QCOMPARE(about.shell.openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://github.com/ferrolin/ferrolin"))});
        if (shellSucceeds) {
            QVERIFY(about.boxes.calls().isEmpty());
        } else {
            QCOMPARE(about.boxes.calls().size(), 1);
            QCOMPARE(about.boxes.calls().first().kind, FakeMessageBoxes::Kind::Notice);
            QCOMPARE(about.boxes.calls().first().title, kTitle);
            QCOMPARE(about.boxes.notices(), QStringList{QStringLiteral("Website not available")});
        }
        QVERIFY(about.window->isVisible());
    }

    void keysThatAreNotActivationDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("a") << int(Qt::Key_A);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
    }

    void keysThatAreNotActivationDoNothing()
    {
        QFETCH(int, key);
        About about;
        QTest::keyClick(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage"), Qt::Key(key));
        QVERIFY(about.shell.openedUrls.isEmpty());
    }

    void aReleaseOffTheLabelIsNoClick()
    {
        About about;
        HomePageLabel* label = Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage");
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 2));
        QVERIFY(about.shell.openedUrls.isEmpty());
    }

    void withoutAShellTheWebsiteIsNotAvailable()
    {
        About about(false);
        QTest::mouseClick(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage"), Qt::LeftButton);
        QCOMPARE(about.boxes.notices(), QStringList{QStringLiteral("Website not available")});
    }

    // What the shell knows of the failure (no opener installed) follows the fixed text.
    void theShellsReasonFollowsTheNotice()
    {
        About about;
        about.shell.succeeds = false;
        about.shell.reason = QStringLiteral("No program to open web pages is installed.");
        QTest::mouseClick(Named<ferrolin::HomePageLabel>(*about.window, "LabelHomePage"), Qt::LeftButton);
        QCOMPARE(about.boxes.notices(),
                 QStringList{QStringLiteral("Website not available\n\nNo program to open web pages is installed.")});
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
