// SPDX-License-Identifier: GPL-3.0-or-later
// Print Setup on a fake print system: it opens at once while the printers are read off the GUI
// thread, keeps keys typed meanwhile, names a print system that does not answer, and starts the
// next Print Setup from what the last one accepted.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "platform/PrintSetupDialog.h"
#include "platform/Printing.h"
#include "platform/fakes/FakePrinterSource.h"

using namespace ferrolin;

namespace {

const QString kNoAnswer =
    QStringLiteral("The print system does not answer: the printer cannot be chosen now. Try again once it runs");

PrinterSurvey TwoPrinters()
{
    const QList<QPageSize> sizes{QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    return {std::nullopt, {{"PDF", true, sizes, sizes[0], false}, {"Spare", false, sizes, sizes[1], true}}};
}

template <typename T = QWidget>
T* Control(const QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

// What the dialog shows: printer, paper size, orientation, copies, two-sided.
QStringList Shown(const QWidget& dialog)
{
    QStringList shown{Control<QListWidget>(dialog, "PrinterList")->currentItem()->text()};
    for (const char* box : {"PaperSize", "Orientation", "Copies", "TwoSided"})
        shown << Control(dialog, box)->property(box == QLatin1String("Copies") ? "value" : "currentText").toString();
    return shown;
}

PrintSetupDialog* ShownSetup()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<PrintSetupDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

}  // namespace

class PrintSetupDialogTest : public QObject {
    Q_OBJECT
    std::shared_ptr<FakePrinterSource> printers_;

    // A dialog shown as the active window.
    std::unique_ptr<PrintSetupDialog> Open(int lookupTimeoutMs = 10000)
    {
        auto dialog = std::make_unique<PrintSetupDialog>(printers_, lookupTimeoutMs, std::nullopt);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();
        return dialog;
    }

private slots:
    void init()
    {
        printers_ = std::make_shared<FakePrinterSource>();
        printers_->survey = TwoPrinters();
    }
    void cleanup() { printers_->Release(); }

    void opensAtOnceAndStartsFromTheLastChoice()
    {
        QtPrinting::Options options;
        options.printers = printers_;
        QtPrinting printing(options);
        printers_->Hold();
        printing.SetupPrinter(nullptr);  // returns while the print system has not answered
        PrintSetupDialog* first = ShownSetup();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Print Setup"));
        const auto* status = Control<QLabel>(*first, "PrintSetupStatus");
        QCOMPARE(status->text(), QStringLiteral("Looking for printers..."));
        QVERIFY(!Control(*first, "PrintSetupOk")->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(first));
        auto* list = Control<QListWidget>(*first, "PrinterList");
        QCOMPARE(QApplication::focusWidget(), list);

        printers_->Release();
        QTRY_VERIFY(Control(*first, "PrintSetupOk")->isEnabled());
        QVERIFY(status->isHidden());
        QCOMPARE(Shown(*first), (QStringList{"PDF (default)", "A4", "Portrait", "1", "None"}));
        QVERIFY(!Control(*first, "TwoSided")->isEnabled());  // PDF prints one side only
        list->setCurrentRow(1);
        QCOMPARE(Shown(*first), (QStringList{"Spare", "Letter / ANSI A", "Portrait", "1", "None"}));  // its own paper
        Control<QComboBox>(*first, "PaperSize")->setCurrentIndex(0);
        Control<QComboBox>(*first, "Orientation")->setCurrentIndex(1);
        Control<QSpinBox>(*first, "Copies")->setValue(3);
        Control<QComboBox>(*first, "TwoSided")->setCurrentIndex(2);
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_VERIFY(!ShownSetup());

        printing.SetupPrinter(nullptr);
        PrintSetupDialog* second = ShownSetup();
        QVERIFY(second);
        QTRY_VERIFY(Control(*second, "PrintSetupOk")->isEnabled());
        QCOMPARE(Shown(*second), (QStringList{"Spare", "A4", "Landscape", "3", "Short edge"}));
        second->reject();
    }

    void keysTypedWhileLookingAreKept()
    {
        printers_->Hold();
        const auto dialog = Open();
        QSignalSpy chosen(dialog.get(), &PrintSetupDialog::Chosen);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        printers_->Release();
        QTRY_COMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().value<PrinterSettings>().name, QStringLiteral("Spare"));
    }

    void noPrinterToChoose_data()
    {
        QTest::addColumn<bool>("hung");
        QTest::addColumn<PrinterSurvey>("survey");
        QTest::addColumn<QString>("message");
        QTest::newRow("hung print server") << true << TwoPrinters() << kNoAnswer;
        QTest::newRow("print server gone") << false << PrinterSurvey{PrinterSurveyFailure::NotAnswering, {}} << kNoAnswer;
        QTest::newRow("no printer installed")
            << false << PrinterSurvey()
            << "No printer is installed: add one in the system's printer settings, then open Print Setup again";
    }
    void noPrinterToChoose()
    {
        QFETCH(bool, hung);
        QFETCH(PrinterSurvey, survey);
        QFETCH(QString, message);
        printers_->survey = survey;
        if (hung)
            printers_->Hold();
        const auto dialog = Open(300);
        QSignalSpy chosen(dialog.get(), &PrintSetupDialog::Chosen);
        QTRY_COMPARE(Control<QLabel>(*dialog, "PrintSetupStatus")->text(), message);
        QVERIFY(!Control(*dialog, "PrintSetupOk")->isEnabled());
        // The focus goes to Cancel, whose description a screen reader reads with it; Escape cancels.
        QCOMPARE(QApplication::focusWidget()->accessibleDescription(), message);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(chosen.size(), 0);
    }

    void everyControlHasANameAndAKey()
    {
        const auto dialog = Open();
        QTRY_VERIFY(Control(*dialog, "PrintSetupOk")->isEnabled());
        Control<QListWidget>(*dialog, "PrinterList")->setCurrentRow(1);  // a printer whose every setting can change
        const QList<std::tuple<Qt::Key, QString, QString>> controls{{Qt::Key_P, "PrinterList", "Printer"},
                                                                     {Qt::Key_S, "PaperSize", "Paper size"},
                                                                     {Qt::Key_R, "Orientation", "Orientation"},
                                                                     {Qt::Key_I, "Copies", "Copies"},
                                                                     {Qt::Key_T, "TwoSided", "Two-sided"}};
        for (const auto& [key, control, name] : controls) {
            Control(*dialog, "PrintSetupOk")->setFocus();
            QTest::keyClick(dialog.get(), key, Qt::AltModifier);
            QWidget* focused = QApplication::focusWidget();
            if (focused->objectName() != control)  // a spin box's focus lies in its line edit
                focused = focused->parentWidget();
            QCOMPARE(focused->objectName(), control);
            QCOMPARE(focused->accessibleName(), name);
        }
    }
};

QTEST_MAIN(PrintSetupDialogTest)
#include "PrintSetupDialogTest.moc"
