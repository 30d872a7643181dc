// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluate command on a fake display: what it reads, shows, says and keeps, in order.
#include <QTest>
#include <QTextDocument>
#include <functional>

#include "window/CalcDisplay.h"
#include "window/EvaluateCommand.h"

using ferrolin::EvaluateCommand;
using ferrolin::InputLines;

namespace {

// Keeps the input as text and writes down every call, so that tests read what happened in order.
struct FakeDisplay final : ferrolin::CalcDisplay {
    QString input;
    QStringList calls;
    std::function<void()> onBox;   // runs while a notice or error box "is open"
    std::function<void()> edited;  // the box's change signal

    InputLines ReadInput() const override { return InputLines::Read(QTextDocument(input)); }
    QString InputText() const override { return input; }
    void SetInput(const QString& text) override { input = text; calls << "input:" + text; if (edited) edited(); }
    void InsertInput(const QString& text) override { input += text; calls << "insert:" + text; if (edited) edited(); }
    void MoveCaret(int position) override { calls << QStringLiteral("caret:%1").arg(position); }
    void ShowNotice(const QString& text) override { calls << "notice:" + text; if (onBox) onBox(); }
    void ShowError(const QString& message) override { calls << "error:" + message; if (onBox) onBox(); }
    void Say(const QString& phrase) override { calls << "say:" + phrase; }
    void AddResult(const QString& line, const QString& value) override { calls << "result:" + line + "|" + value; }
};

struct Command {
    FakeDisplay display;
    EvaluateCommand command{display};
    Command() {
        command.SetDecimalSeparatorSource([] { return QStringLiteral("."); });
        display.edited = [this] { command.InputEdited(); };
    }
    // Evaluates `input` and returns the calls that made, " Evaluate " left out.
    QStringList Evaluate(const QString& input) {
        display.input = input;
        display.calls.clear();
        command.Evaluate();
        display.calls.removeOne(QStringLiteral("say: Evaluate "));
        return display.calls;
    }
};

}  // namespace

class EvaluateCommandTest : public QObject {
    Q_OBJECT
private slots:
    void evaluation_data();
    void evaluation();
    void caretStandsWhereReadingStopped_data();
    void caretStandsWhereReadingStopped();
    void evaluateIsSaidEvenForAnEmptyBox();
    void evaluationAskedForWhileItsBoxIsOpenIsRefused();
    void failureKeepsTheLastExpressionForRecall();
    void precisionOutsideTheRangeChangesNothing();
    void decimalSeparatorIsReadWhenAsked();
    void clearEmptiesOnlyABoxThatHoldsSomething();
    void upAndDownWalkThroughTheEvaluatedExpressions();
};

void EvaluateCommandTest::evaluation_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("places");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("lastExpression");

    QTest::newRow("sum") << "2+3" << 2 << QStringList{"result:2+3= 5.00|5.00", "input:"} << "2+3";
    QTest::newRow("chosen places reach the line") << "1/3" << 4 << QStringList{"result:1/3= 0.3333|0.3333", "input:"}
                                                  << "1/3";
    QTest::newRow("trailing blank trimmed, inner blanks and case kept")
        << "2 * PI " << 2 << QStringList{"result:2 * PI= 6.28|6.28", "input:"} << "2 * PI";
    QTest::newRow("lines trimmed and joined") << "  2 +\t\n\t 3  \n" << 2
                                              << QStringList{"result:2 +3= 5.00|5.00", "input:"} << "2 +3";
    QTest::newRow("line separator inside a paragraph")
        << QString("2*\u2028" "4") << 2 << QStringList{"result:2*4= 8.00|8.00", "input:"} << "2*4";
    QTest::newRow("notice, then the line") << "mean(3)" << 2
                                           << QStringList{"notice:Not enough parameters", "result:mean(3)= NAN|NAN", "input:"}
                                           << "mean(3)";
    QTest::newRow("notice before the error, input kept")
        << "mean(3)+1/0" << 2
        << QStringList{"notice:Not enough parameters", "error:Floating point division by zero", "caret:11"} << "";
    QTest::newRow("blanks only go to the evaluator")
        << "   " << 2 << QStringList{"error:\n\r Missing operand ", "caret:3"} << "";
    QTest::newRow("line breaks only go to the evaluator")
        << "\n\n" << 2 << QStringList{"error:\n\r Missing operand ", "caret:2"} << "";
    QTest::newRow("empty box: nothing") << "" << 2 << QStringList{} << "";
}

void EvaluateCommandTest::evaluation() {
    QFETCH(QString, input);
    QFETCH(int, places);
    QFETCH(QStringList, calls);
    QFETCH(QString, lastExpression);
    Command c;
    c.command.SetPrecision(places);

    QCOMPARE(c.Evaluate(input), calls);
    QCOMPARE(c.command.LastExpression(), lastExpression);
}

void EvaluateCommandTest::caretStandsWhereReadingStopped_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("caret");

    QTest::newRow("after the quoted part") << "(2+3" << 4;
    QTest::newRow("blanks and capitals count") << "  SIN + 1" << 7;
    QTest::newRow("before the unread rest") << "2+3)4*5" << 4;
    QTest::newRow("after the failing operand") << "1/0+2" << 3;
    QTest::newRow("on the second line") << "2+\n  (3" << 7;
    QTest::newRow("trailing blanks of a line skipped") << "(2 +  \n" << 4;
    QTest::newRow("non-ASCII counts once") << QString::fromUtf8("\u00e9+1") << 1;
    QTest::newRow("outside the basic plane: two units") << QString::fromUtf8("1+\xF0\x9F\x98\x80+2") << 4;
}

void EvaluateCommandTest::caretStandsWhereReadingStopped() {
    QFETCH(QString, input);
    QFETCH(int, caret);
    Command c;

    const QStringList calls = c.Evaluate(input);

    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[0].startsWith(QStringLiteral("error:")));
    QCOMPARE(calls[1], QStringLiteral("caret:%1").arg(caret));
    QCOMPARE(c.display.input, input);
}

void EvaluateCommandTest::evaluateIsSaidEvenForAnEmptyBox() {
    Command c;
    c.command.Evaluate();
    QCOMPARE(c.display.calls, QStringList{"say: Evaluate "});
}

// "=" pressed through its accessibility action while the notice is open, as a screen reader
// can: the click arrives inside the box's event loop and must not start a second evaluation.
void EvaluateCommandTest::evaluationAskedForWhileItsBoxIsOpenIsRefused() {
    Command c;
    c.display.onBox = [&] { c.command.Evaluate(); };

    QCOMPARE(c.Evaluate(QStringLiteral("mean(3)")),
             (QStringList{"notice:Not enough parameters", "say: Evaluate ", "result:mean(3)= NAN|NAN", "input:"}));
    c.display.calls.clear();
    c.display.onBox = nullptr;
    QCOMPARE(c.Evaluate(QStringLiteral("1")), (QStringList{"result:1= 1.00|1.00", "input:"}));
}

void EvaluateCommandTest::failureKeepsTheLastExpressionForRecall() {
    Command c;
    c.Evaluate(QStringLiteral("6*7"));
    c.Evaluate(QStringLiteral("6*"));
    c.display.calls.clear();

    c.command.RecallLast();

    QCOMPARE(c.display.calls, (QStringList{"insert:6*7", "say: recall last expression"}));
    QCOMPARE(c.display.input, QStringLiteral("6*6*7"));
    c.command.ForgetLastExpression();
    QCOMPARE(c.command.LastExpression(), QString());
}

void EvaluateCommandTest::precisionOutsideTheRangeChangesNothing() {
    Command c;
    QCOMPARE(c.command.Precision(), 2);
    c.command.SetPrecision(4);
    for (const int stray : {0, 7, -3}) {
        c.command.SetPrecision(stray);
        QCOMPARE(c.command.Precision(), 4);
    }
}

void EvaluateCommandTest::decimalSeparatorIsReadWhenAsked() {
    Command c;
    QString separator = QStringLiteral(",");
    c.command.SetDecimalSeparatorSource([&] { return separator; });
    QCOMPARE(c.Evaluate(QStringLiteral("1/4")), (QStringList{"result:1/4= 0,25|0,25", "input:"}));
    // List elements are read with the regional separator too, so "." no longer works there.
    QCOMPARE(c.Evaluate(QStringLiteral("mean(1.5,2)")).value(0),
             QStringLiteral("error:'1.5' is not a valid floating point value"));

    separator = QStringLiteral(".");
    QCOMPARE(c.Evaluate(QStringLiteral("1/4")).value(0), QStringLiteral("result:1/4= 0,25|0,25"));
    c.command.ReadDecimalSeparator();
    QCOMPARE(c.Evaluate(QStringLiteral("1/4")).value(0), QStringLiteral("result:1/4= 0.25|0.25"));
}

void EvaluateCommandTest::clearEmptiesOnlyABoxThatHoldsSomething() {
    Command c;
    c.command.Clear();
    QCOMPARE(c.display.calls, QStringList{});
    c.display.input = QStringLiteral("1+");
    c.command.Clear();
    QCOMPARE(c.display.calls, (QStringList{"input:", "say: clear "}));
}

void EvaluateCommandTest::upAndDownWalkThroughTheEvaluatedExpressions() {
    Command c;
    c.Evaluate(QStringLiteral("1+1"));
    c.Evaluate(QStringLiteral("2+2"));
    c.display.input = QStringLiteral("3");
    c.display.calls.clear();

    c.command.RecallNewer();  // no walk yet: nothing
    c.command.RecallOlder();
    c.command.RecallOlder();
    c.command.RecallOlder();  // the oldest: stays
    c.command.RecallNewer();
    c.command.RecallNewer();
    c.command.RecallNewer();  // past the typing: nothing
    c.command.RecallOlder();
    c.command.InputEdited();  // typing starts the next walk afresh
    c.command.RecallOlder();
    QCOMPARE(c.display.calls,
             (QStringList{"input:2+2", "input:1+1", "input:2+2", "input:3", "input:2+2", "input:2+2"}));
}

QTEST_MAIN(EvaluateCommandTest)
#include "EvaluateCommandTest.moc"
