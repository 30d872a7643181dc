// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the user's language: one run in German and one under LANG=C, whose texts must be
// the English ones exactly.
#include <QPushButton>
#include <QTest>

#include "dialogs/GuideText.h"
#include "platform/UiLanguage.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin;
using namespace ferrolin::testing;

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsAndSpeaksTheLocalesLanguage_data() {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("clearKey");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("voiceLanguage");
        QTest::addColumn<QString>("guideFirstLine");
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << "&Datei" << "Löschen"
                                << "sin30\n\r Nicht auswertbar: sin30" << "Ergebnis = 5.00" << "de"
                                << "Kurzanleitung";
        QTest::newRow("C") << QByteArray("C") << "&File" << "Clear" << "sin30\n\r Unable to evaluate sin30"
                           << "Result = 5.00" << "en" << "Quick Start Guide";
    }
    void windowShowsAndSpeaksTheLocalesLanguage() {
        QFETCH(QByteArray, lang);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANGUAGE", "de:fr");  // ignored under C, as gettext does
        qputenv("LANG", lang);
        InstallUiLanguage(*QCoreApplication::instance());

        WindowFixture fixture;
        const TForm1& form = *fixture.form;
        QTEST(MenuNamed(form, "FileMenu")->title(), "fileMenu");
        QTEST(FindControl<QPushButton>(form, "ButtonClear")->text(), "clearKey");
        QTEST(GuideLines().first(), "guideFirstLine");

        ItemNamed(form, "MnuAudio")->setChecked(true);
        fixture.Evaluate({QStringLiteral("2+3")});
        QTEST(fixture.voice->spoken().last(), "spoken");
        QTEST(fixture.voice->language(), "voiceLanguage");

        // The quoted part stays as typed; the explanation is translated.
        fixture.Evaluate({QStringLiteral("sin 30")});
        QFETCH(QString, error);
        QVERIFY2(!fixture.boxes.errors().isEmpty() && fixture.boxes.errors().last().startsWith(error),
                 qPrintable(fixture.boxes.errors().join(u'|')));
    }

    // Without a German voice the service reads with its default voice: English phrases then,
    // and the user is told once. (Last: English speech stays on for the rest of the program.)
    void withoutAVoiceForTheLanguagePhrasesAreEnglish() {
        qputenv("LANG", "de_DE.UTF-8");
        InstallUiLanguage(*QCoreApplication::instance());
        WindowFixture fixture;
        ItemNamed(*fixture.form, "MnuAudio")->setChecked(true);
        fixture.voice->EmitLanguageUnavailable();
        fixture.voice->EmitLanguageUnavailable();
        QCOMPARE(fixture.boxes.errors().size(), 1);
        QVERIFY(fixture.boxes.errors().first().startsWith(u"Für diese Sprache ist keine Stimme installiert"));
        fixture.Evaluate({QStringLiteral("2+3")});
        QCOMPARE(fixture.voice->spoken().last(), QStringLiteral("Result = 5.00"));
        QCOMPARE(MenuNamed(*fixture.form, "FileMenu")->title(), QStringLiteral("&Datei"));  // only speech changes
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
