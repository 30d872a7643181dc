// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current printer and its print jobs, behind an interface so that tests print nowhere.
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/PrinterSource.h"

class QPrinter;
class QTextDocument;
class QTimer;
class QWidget;

namespace ferrolin {

// A printer that could not take a document; what() is the text for the error box.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Printing : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Printing() override = default;

    // Opens the printer-setup dialog over `owner` and returns at once. What the user accepts there
    // becomes the current printer for every later Print; Cancel changes nothing.
    virtual void SetupPrinter(QWidget* owner) = 0;

    // Starts printing the whole document as one job named `jobName` on the current printer (the
    // system's default one until SetupPrinter chose another), without asking anything. Returns at
    // once; the job ends in Printed or Failed, delivered from the event loop.
    virtual void Print(const QTextDocument& document, const QString& jobName) = 0;

signals:
    // The print system has taken the job.
    void Printed();
    // Nothing was printed, or nobody can tell whether it will be: `message` says which and why.
    void Failed(const QString& message);
};

// A copy of `document` to print: fonts sized in pixels (as the screen shows them, at
// `screenDpi`) are given the same size in points, so that print comes out as big as the screen
// shows it.
std::unique_ptr<QTextDocument> CopyForPrinting(const QTextDocument& document, double screenDpi);

// Lays `pages` out on `printer`'s printable area (its page layout's margins; no margins, header
// or page numbers of its own) and prints it page after page. Throws
// PrintError("Printer selected is not valid") when the printer fails.
void PrintDocumentOn(QTextDocument& pages, QPrinter& printer);

// The real printers: the print system (CUPS) is asked about printers and handed the job on
// threads of their own, so a print system that hangs never holds up the window. A job that
// takes more than a second shows a progress window.
class QtPrinting final : public Printing {
    Q_OBJECT
public:
    struct Options {
        // How long looking up the printers may take before the print system counts as hung.
        int lookupTimeoutMs = 10000;
        // Where Print Setup reads the printers from; null: the print system itself.
        std::shared_ptr<PrinterSource> printers;
        // How long the print system may take to accept the finished job.
        int submitTimeoutMs = 20000;
        // The program that hands a PDF to the print system.
        QString submitProgram = QStringLiteral("lp");
        // How long a job runs before its progress window appears.
        int progressDelayMs = 1000;
    };

    QtPrinting();
    explicit QtPrinting(Options options);
    ~QtPrinting() override;

    void SetupPrinter(QWidget* owner) override;
    void Print(const QTextDocument& document, const QString& jobName) override;

    // A job is being looked up, laid out or handed over.
    bool busy() const { return job_ != nullptr; }

private:
    struct Job;
    struct Channel;
    void Finish(const std::shared_ptr<Job>& job, const std::optional<QString>& error);  // no error: printed, or cancelled
    void ShowProgress(const std::shared_ptr<Job>& job);

    Options options_;
    std::optional<PrinterSettings> chosen_;  // none until the user accepted a printer in Print Setup
    std::shared_ptr<Channel> channel_;
    std::shared_ptr<Job> job_;
    QPointer<QProgressDialog> progress_;  // a child of the window that was active, which may go first
    // Until it fires there is no progress window at all; Finish stops it, so a window can never
    // appear after its job, inside the event loop of the box that reports how the job ended.
    QTimer* progressDelay_ = nullptr;
    QTimer* lookupDeadline_ = nullptr;
};

}  // namespace ferrolin
