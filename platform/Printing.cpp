// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Printing.h"

#include <QCoreApplication>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <mutex>
#include <optional>

#include "platform/CupsPrinters.h"
#include "platform/PrintSetupDialog.h"
#include "platform/PrintSubmit.h"

namespace ferrolin {

namespace {

const char* const kNotValid = QT_TRANSLATE_NOOP("Printing", "Printer selected is not valid");
const char* const kNoDefault = QT_TRANSLATE_NOOP("Printing", "There is no default printer currently selected");
const char* const kNoAnswer = QT_TRANSLATE_NOOP("Printing", "The print system does not answer: nothing was printed. Try again once it runs");

// Points per inch: a font's point size is its height in 1/72 inch.
constexpr double kPointsPerInch = 72.0;

QTextCharFormat InPoints(QTextCharFormat format, double screenDpi) {
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        const int pixels = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        if (pixels > 0) format.setFontPointSize(pixels * kPointsPerInch / screenDpi);
    }
    return format;
}

QStringList SubmitArguments(const QString& printer, const QString& jobName, const std::optional<PrinterSettings>& chosen,
                            const QString& file) {
    QStringList arguments{QStringLiteral("-d"), printer, QStringLiteral("-t"), jobName};
    if (chosen && chosen->copies > 1) arguments << QStringLiteral("-n") << QString::number(chosen->copies);
    if (chosen) {
        switch (chosen->twoSided) {
        case TwoSided::None: arguments << QStringLiteral("-o") << QStringLiteral("sides=one-sided"); break;
        case TwoSided::LongEdge: arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-long-edge"); break;
        case TwoSided::ShortEdge: arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-short-edge"); break;
        }
    }
    arguments << QStringLiteral("--") << file;
    return arguments;
}

}  // namespace

std::unique_ptr<QTextDocument> CopyForPrinting(const QTextDocument& document, double screenDpi) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    if (screenDpi <= 0) return copy;
    QFont font = copy->defaultFont();
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize() * kPointsPerInch / screenDpi);
        copy->setDefaultFont(font);
    }
    // Fragments that carry a pixel size of their own (a pasted or loaded rich text).
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().hasProperty(QTextFormat::FontPixelSize)) continue;
            QTextCursor cursor(copy.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(InPoints(fragment.charFormat(), screenDpi));
        }
    }
    return copy;
}

void PrintDocumentOn(QTextDocument& pages, QPrinter& printer) {
    // The printable area: the page layout's margins are where the printer cannot print.
    printer.setFullPage(false);
    // A document with a page size counts as paginated: QTextDocument::print then prints it as it
    // is, without the 2 cm margins and page numbers it adds to a continuous one.
    pages.documentLayout()->setPaintDevice(&printer);
    pages.setDocumentMargin(0);
    pages.setPageSize(QSizeF(printer.width(), printer.height()));
    pages.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw PrintError(kNotValid);
}

// One print job, shared by the GUI thread and the job's thread.
struct QtPrinting::Job {
    std::unique_ptr<QTextDocument> pages;  // belongs to the job's thread once it runs
    QString name;
    std::optional<PrinterSettings> chosen;
    Options options;
    std::atomic<bool> lookedUp{false};   // the print system has answered about the printer
    std::atomic<bool> abandoned{false};  // the window has given up on it: hand nothing over
};

// Lets a job's thread reach the QtPrinting that started it, for as long as that exists.
struct QtPrinting::Channel {
    std::mutex mutex;
    QtPrinting* receiver = nullptr;

    void Post(std::function<void(QtPrinting&)> function) {
        std::lock_guard lock(mutex);
        if (receiver)
            QMetaObject::invokeMethod(
                receiver, [target = receiver, function = std::move(function)] { function(*target); },
                Qt::QueuedConnection);
    }
};

namespace {

// The job's thread: everything here may wait on the print system, the GUI thread never does.
// The message of what went wrong; nothing when the job was handed over or abandoned.
std::optional<QString> LookUpAndPrint(QTextDocument& pages, const QString& jobName,
                                      const std::optional<PrinterSettings>& chosen, const QtPrinting::Options& options,
                                      std::atomic<bool>& lookedUp, const std::atomic<bool>& abandoned) {
    QString printerName;
    QPageLayout layout;
    QPrinterInfo info;
    // Qt's printer list looks the same for a print server that is gone and for one without
    // printers: the server itself tells them apart.
    if (chosen) {
        info = QPrinterInfo::printerInfo(chosen->name);
        if (info.isNull()) return QCoreApplication::translate("Printing", AskPrintSystem().answered ? kNotValid : kNoAnswer);
        // The printer's own margins for that paper: where it cannot print.
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageSize(chosen->layout.pageSize());
        printer.setPageOrientation(chosen->layout.orientation());
        layout = printer.pageLayout();
    } else {
        const PrintSystemAnswer system = AskPrintSystem();
        if (!system.answered) return QCoreApplication::translate("Printing", kNoAnswer);
        if (!system.defaultPrinter.isEmpty()) info = QPrinterInfo::printerInfo(system.defaultPrinter);
        if (info.isNull()) return QCoreApplication::translate("Printing", kNoDefault);
        layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    }
    printerName = info.printerName();
    const bool stopped = info.state() == QPrinter::Error;
    lookedUp = true;
    if (abandoned) return {};
    if (stopped) return QCoreApplication::translate("Printing", "The printer \"%1\" is stopped: nothing was printed").arg(printerName);

    // Print where the printer can print: its margins are the parts of the paper it cannot reach.
    layout.setMargins(layout.minimumMargins());
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ferrolin-print-XXXXXX.pdf"));
    if (!file.open()) return QCoreApplication::translate("Printing", kNotValid);
    file.close();
    {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(file.fileName());
        pdf.setDocName(jobName);
        pdf.setPageLayout(layout);
        try {
            PrintDocumentOn(pages, pdf);
        } catch (const PrintError& error) {
            return QString::fromUtf8(error.what());
        }
    }
    if (abandoned) return {};

    const auto failure = SubmitToPrintSystem(options.submitProgram,
                                             SubmitArguments(printerName, jobName, chosen, file.fileName()), printerName,
                                             options.submitTimeoutMs);
    if (failure) return failure->message;
    return std::nullopt;
}

}  // namespace

QtPrinting::QtPrinting() : QtPrinting(Options{}) {}

QtPrinting::QtPrinting(Options options)
    : options_(std::move(options)),
      channel_(std::make_shared<Channel>()),
      progressDelay_(new QTimer(this)),
      lookupDeadline_(new QTimer(this)) {
    if (!options_.printers) options_.printers = std::make_shared<CupsPrinterSource>();
    channel_->receiver = this;
    progressDelay_->setObjectName(QStringLiteral("PrintProgressDelay"));
    progressDelay_->setSingleShot(true);
    lookupDeadline_->setSingleShot(true);
}

QtPrinting::~QtPrinting() {
    {
        std::lock_guard lock(channel_->mutex);
        channel_->receiver = nullptr;
    }
    if (job_) job_->abandoned = true;
    delete progress_.data();
}

void QtPrinting::SetupPrinter(QWidget* owner) {
    auto* dialog = new PrintSetupDialog(options_.printers, options_.lookupTimeoutMs, chosen_, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PrintSetupDialog::Chosen, this, [this](const PrinterSettings& settings) { chosen_ = settings; });
    dialog->open();
}

void QtPrinting::Print(const QTextDocument& document, const QString& jobName) {
    if (job_) {
        QMetaObject::invokeMethod(
            this, [this] { emit Failed(QCoreApplication::translate("Printing", "The results are still being printed; try again when that has finished")); },
            Qt::QueuedConnection);
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    auto job = std::make_shared<Job>();
    job->pages = CopyForPrinting(document, screen ? screen->logicalDotsPerInchY() : 96.0);
    job->name = jobName;
    job->options = options_;
    job->chosen = chosen_;
    job_ = job;

    progressDelay_->disconnect(this);
    connect(progressDelay_, &QTimer::timeout, this, [this, job] { ShowProgress(job); });
    progressDelay_->start(options_.progressDelayMs);
    lookupDeadline_->disconnect(this);
    connect(lookupDeadline_, &QTimer::timeout, this, [this, job] {
        if (job->lookedUp) return;
        job->abandoned = true;
        Finish(job, tr("The print system does not answer: nothing was printed. Try again once it runs"));
    });
    lookupDeadline_->start(options_.lookupTimeoutMs);

    QThread* thread = QThread::create([job, channel = channel_] {
        const std::optional<QString> error =
            LookUpAndPrint(*job->pages, job->name, job->chosen, job->options, job->lookedUp, job->abandoned);
        job->pages.reset();  // on the thread it belongs to
        channel->Post([job, error](QtPrinting& printing) { printing.Finish(job, error); });
    });
    job->pages->moveToThread(thread);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void QtPrinting::ShowProgress(const std::shared_ptr<Job>& job) {
    if (job_ != job || progress_) return;
    // QProgressDialog's own delayed show (minimumDuration) is a timer of its own that outlives
    // hide(): it is shown here, once, by hand, and never asked to show itself.
    progress_ = new QProgressDialog(tr("Printing the results history..."), tr("Cancel"), 0, 0, QApplication::activeWindow());
    progress_->setObjectName(QStringLiteral("PrintProgress"));
    progress_->setWindowTitle(tr("Printing"));
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_, &QProgressDialog::canceled, this, [this, job] {
        job->abandoned = true;
        Finish(job, std::nullopt);
    });
    progress_->show();
}

void QtPrinting::Finish(const std::shared_ptr<Job>& job, const std::optional<QString>& error) {
    if (job_ != job) return;  // given up on already
    job_.reset();
    progressDelay_->stop();
    lookupDeadline_->stop();
    if (progress_) {
        progress_->disconnect(this);
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (error) emit Failed(*error);
    else if (!job->abandoned) emit Printed();
}

}  // namespace ferrolin
