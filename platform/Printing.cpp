#include "platform/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
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

namespace ferrolin {

namespace {

const char* const kNotValid = "Printer selected is not valid";
const char* const kNoDefault = "There is no default printer currently selected";

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

// What the job thread needs of the printer chosen in the setup dialog, taken on the GUI thread.
struct ChosenPrinter {
    QString name;
    QPageLayout layout;
    int copies = 1;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
};

QStringList SubmitArguments(const QString& printer, const QString& jobName, const std::optional<ChosenPrinter>& chosen,
                            const QString& file) {
    QStringList arguments{QStringLiteral("-d"), printer, QStringLiteral("-t"), jobName};
    if (chosen && chosen->copies > 1) arguments << QStringLiteral("-n") << QString::number(chosen->copies);
    if (chosen) {
        switch (chosen->duplex) {
        case QPrinter::DuplexNone: arguments << QStringLiteral("-o") << QStringLiteral("sides=one-sided"); break;
        case QPrinter::DuplexLongSide: arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-long-edge"); break;
        case QPrinter::DuplexShortSide: arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-short-edge"); break;
        case QPrinter::DuplexAuto: break;
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
    std::optional<ChosenPrinter> chosen;
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
QString LookUpAndPrint(QTextDocument& pages, const QString& jobName, const std::optional<ChosenPrinter>& chosen,
                       const QtPrinting::Options& options, std::atomic<bool>& lookedUp,
                       const std::atomic<bool>& abandoned) {
    QString printerName;
    QPageLayout layout;
    QPrinterInfo info;
    if (chosen) {
        info = QPrinterInfo::printerInfo(chosen->name);
        if (info.isNull()) return QString::fromLatin1(kNotValid);
        layout = chosen->layout;
    } else {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return QString::fromLatin1(kNoDefault);
        layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    }
    printerName = info.printerName();
    const bool stopped = info.state() == QPrinter::Error;
    lookedUp = true;
    if (abandoned) return {};
    if (stopped) return QStringLiteral("The printer \"%1\" is stopped: nothing was printed").arg(printerName);

    // Print where the printer can print: its margins are the parts of the paper it cannot reach.
    layout.setMargins(layout.minimumMargins());
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ferrolin-print-XXXXXX.pdf"));
    if (!file.open()) return QString::fromLatin1(kNotValid);
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

    QProcess submit;
    submit.setStandardOutputFile(QProcess::nullDevice());
    submit.start(options.submitProgram, SubmitArguments(printerName, jobName, chosen, file.fileName()));
    if (!submit.waitForStarted(options.submitTimeoutMs))
        return QStringLiteral("The job could not be handed to the print system: %1 could not be started (%2)")
            .arg(options.submitProgram, submit.errorString());
    if (!submit.waitForFinished(options.submitTimeoutMs)) {
        submit.kill();
        submit.waitForFinished(1000);
        return QStringLiteral("The print system did not take the job within %1 s: it may not be printed")
            .arg(options.submitTimeoutMs / 1000);
    }
    if (submit.exitStatus() != QProcess::NormalExit || submit.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(submit.readAllStandardError()).trimmed();
        return QStringLiteral("The printer \"%1\" refused the job: %2")
            .arg(printerName, said.isEmpty() ? QStringLiteral("no reason given") : said);
    }
    return {};
}

}  // namespace

QtPrinting::QtPrinting() : QtPrinting(Options{}) {}

QtPrinting::QtPrinting(Options options)
    : options_(std::move(options)),
      channel_(std::make_shared<Channel>()),
      progressDelay_(new QTimer(this)),
      lookupDeadline_(new QTimer(this)) {
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

bool QtPrinting::SetupPrinter(QWidget* owner) {
    // The dialog asks the print system for its printers on this thread: make sure it answers
    // first, while the window goes on answering.
    if (!PrintSystemAnswers()) {
        emit Failed(tr("The print system does not answer: the printer cannot be chosen now. Try again once it runs"));
        return false;
    }
    auto candidate = chosen_ ? std::make_unique<QPrinter>(QPrinterInfo::printerInfo(chosen_->printerName()),
                                                          QPrinter::HighResolution)
                             : std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (chosen_) candidate->setPageLayout(chosen_->pageLayout());
    QPrintDialog dialog(candidate.get(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen_ = std::move(candidate);
    return true;
}

bool QtPrinting::PrintSystemAnswers() const {
    QThread* probe = QThread::create([] { QPrinterInfo::availablePrinterNames(); });
    QEventLoop wait;
    connect(probe, &QThread::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(options_.lookupTimeoutMs, &wait, &QEventLoop::quit);
    probe->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    const bool answered = probe->isFinished();
    if (answered) delete probe;
    else connect(probe, &QThread::finished, probe, &QObject::deleteLater);  // left to finish on its own
    return answered;
}

void QtPrinting::Print(const QTextDocument& document, const QString& jobName) {
    if (job_) {
        QMetaObject::invokeMethod(
            this, [this] { emit Failed(QStringLiteral("The results are still being printed; try again when that has finished")); },
            Qt::QueuedConnection);
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    auto job = std::make_shared<Job>();
    job->pages = CopyForPrinting(document, screen ? screen->logicalDotsPerInchY() : 96.0);
    job->name = jobName;
    job->options = options_;
    if (chosen_)
        job->chosen = ChosenPrinter{chosen_->printerName(), chosen_->pageLayout(), chosen_->copyCount(), chosen_->duplex()};
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
        const QString error = LookUpAndPrint(*job->pages, job->name, job->chosen, job->options, job->lookedUp, job->abandoned);
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
        Finish(job, {});
    });
    progress_->show();
}

void QtPrinting::Finish(const std::shared_ptr<Job>& job, const QString& error) {
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
    if (job->abandoned && error.isEmpty()) return;  // cancelled
    if (error.isEmpty()) emit Printed();
    else emit Failed(error);
}

}  // namespace ferrolin
