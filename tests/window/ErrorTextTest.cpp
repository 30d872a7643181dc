// SPDX-License-Identifier: GPL-3.0-or-later
// The error box's text is rebuilt from the failure's kind and the parts the English message
// quotes: in English it must be the evaluator's message byte for byte, for every kind.
#include <QTest>

#include "evaluator/EvaluationError.h"
#include "window/ErrorText.h"

using namespace ferrolin;

class ErrorTextTest : public QObject {
    Q_OBJECT

private slots:
    void englishIsTheEvaluatorsMessage_data() {
        QTest::addColumn<QByteArray>("quoted");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("plain") << QByteArray("2+(3") << QByteArray("abc");
        QTest::newRow("placeholders typed") << QByteArray("%1+%2") << QByteArray("%1");
        QTest::newRow("quotes and non-ASCII") << QByteArray("'x'\xc3\xa9") << QByteArray("\xc3\xa9");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void englishIsTheEvaluatorsMessage() {
        QFETCH(QByteArray, quoted);
        QFETCH(QByteArray, named);
        for (int kind = 0; kind < kErrorKindCount; ++kind) {
            EvaluationFailure failure;
            failure.kind = static_cast<ErrorKind>(kind);
            failure.message = ErrorMessage(failure.kind, quoted.toStdString(), named.toStdString());
            QCOMPARE(ErrorText(failure), QString::fromStdString(failure.message));
        }
        QCOMPARE(NoticeText(kNotEnoughParameters), QString::fromLatin1(kNotEnoughParameters));
    }
};

QTEST_MAIN(ErrorTextTest)
#include "ErrorTextTest.moc"
