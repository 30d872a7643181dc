// SPDX-License-Identifier: GPL-3.0-or-later
// Which translation the locale variables choose.
#include <QHash>
#include <QTest>

#include "platform/UiLanguage.h"

using namespace ferrolin;

class UiLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void chosenFromTheLocaleVariables_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("LANG") << "" << "" << "" << "de_DE.UTF-8" << "de";
        QTest::newRow("country falls back to the language") << "" << "" << "" << "fr_CA.UTF-8" << "fr";
        QTest::newRow("Brazilian Portuguese") << "" << "" << "" << "pt_BR.UTF-8" << "pt_BR";
        QTest::newRow("Portuguese to the one Portuguese") << "" << "" << "" << "pt_PT.UTF-8" << "pt_BR";
        QTest::newRow("Simplified Chinese") << "" << "" << "" << "zh_CN.UTF-8" << "zh_CN";
        QTest::newRow("traditional Chinese stays English") << "" << "" << "" << "zh_TW.UTF-8" << "";
        QTest::newRow("modifier") << "" << "" << "" << "de_DE@euro" << "de";
        QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "ru_RU.UTF-8" << "de_DE.UTF-8" << "ru";
        QTest::newRow("LC_ALL over both") << "" << "pl_PL.UTF-8" << "ru_RU.UTF-8" << "de_DE.UTF-8" << "pl";
        QTest::newRow("LANGUAGE first") << "it:de" << "" << "" << "de_DE.UTF-8" << "it";
        QTest::newRow("LANGUAGE skips untranslated") << "sv:es" << "" << "" << "de_DE.UTF-8" << "es";
        QTest::newRow("English in LANGUAGE") << "en_GB:de" << "" << "" << "de_DE.UTF-8" << "";
        QTest::newRow("C ignores LANGUAGE") << "de" << "" << "" << "C" << "";
        QTest::newRow("C.UTF-8") << "de" << "" << "" << "C.UTF-8" << "";
        QTest::newRow("POSIX") << "" << "POSIX" << "" << "de_DE.UTF-8" << "";
        QTest::newRow("nothing set") << "" << "" << "" << "" << "";
        QTest::newRow("untranslated") << "" << "" << "" << "sv_SE.UTF-8" << "";
    }
    void chosenFromTheLocaleVariables() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        const QHash<QString, QString> variables{
            {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
        QTEST(ChooseUiLanguage([&](const char* name) { return variables.value(QString::fromLatin1(name)); }),
              "chosen");
    }
};

QTEST_MAIN(UiLanguageTest)
#include "UiLanguageTest.moc"
