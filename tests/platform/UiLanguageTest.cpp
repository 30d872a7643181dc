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
        QTest::addColumn<QString>("variables");  // NAME=value, separated by blanks
        QTest::addColumn<QString>("chosen");
        QTest::newRow("LANG") << "LANG=de_DE.UTF-8" << "de";
        QTest::newRow("country falls back to the language") << "LANG=fr_CA.UTF-8" << "fr";
        QTest::newRow("Brazilian Portuguese") << "LANG=pt_BR.UTF-8" << "pt_BR";
        QTest::newRow("Portuguese to the one Portuguese") << "LANG=pt_PT.UTF-8" << "pt_BR";
        QTest::newRow("Simplified Chinese") << "LANG=zh_CN.UTF-8" << "zh_CN";
        QTest::newRow("traditional Chinese stays English") << "LANG=zh_TW.UTF-8" << "";
        QTest::newRow("modifier") << "LANG=de_DE@euro" << "de";
        QTest::newRow("LC_MESSAGES over LANG") << "LC_MESSAGES=ru_RU.UTF-8 LANG=de_DE.UTF-8" << "ru";
        QTest::newRow("LC_ALL over both") << "LC_ALL=pl_PL.UTF-8 LC_MESSAGES=ru_RU.UTF-8 LANG=de_DE.UTF-8" << "pl";
        QTest::newRow("LANGUAGE first") << "LANGUAGE=it:de LANG=de_DE.UTF-8" << "it";
        QTest::newRow("LANGUAGE skips untranslated") << "LANGUAGE=sv:es LANG=de_DE.UTF-8" << "es";
        QTest::newRow("English in LANGUAGE") << "LANGUAGE=en_GB:de LANG=de_DE.UTF-8" << "";
        QTest::newRow("C ignores LANGUAGE") << "LANGUAGE=de LANG=C" << "";
        QTest::newRow("C.UTF-8") << "LANGUAGE=de LANG=C.UTF-8" << "";
        QTest::newRow("POSIX") << "LC_ALL=POSIX LANG=de_DE.UTF-8" << "";
        QTest::newRow("nothing set") << "" << "";
        QTest::newRow("untranslated") << "LANG=sv_SE.UTF-8" << "";
    }
    void chosenFromTheLocaleVariables() {
        QFETCH(QString, variables);
        QHash<QString, QString> values;
        for (const QString& setting : variables.split(u' ', Qt::SkipEmptyParts))
            values.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QTEST(ChooseUiLanguage([&](const char* name) { return values.value(QString::fromLatin1(name)); }),
              "chosen");
    }
};

QTEST_MAIN(UiLanguageTest)
#include "UiLanguageTest.moc"
