#pragma once
// The current printer and its print jobs, behind an interface so that tests print nowhere.
#include <QString>
#include <memory>
#include <stdexcept>

class QPrinter;
class QTextDocument;
class QWidget;

namespace ferrolin {

// A print that could not start; what() is the text for the error box.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Printing {
public:
    virtual ~Printing() = default;

    // The printer-setup dialog. What the user accepts becomes the current printer for every later
    // Print; false (and nothing changes) when they cancel.
    virtual bool SetupPrinter(QWidget* owner) = 0;

    // Prints the whole document at once as one job named `jobName` on the current printer (the
    // system's default one until SetupPrinter chose another), without asking anything.
    // Throws PrintError when there is no printer to print on or it cannot be opened.
    virtual void Print(const QTextDocument& document, const QString& jobName) = 0;
};

// Lays `document` out again on `printer`'s whole page (no margins, no page numbers) and prints it
// page after page. Throws PrintError("Printer selected is not valid") when the printer fails.
void PrintDocumentOn(const QTextDocument& document, QPrinter& printer);

// The real printers, through Qt's print support (CUPS on Linux).
class QtPrinting final : public Printing {
public:
    QtPrinting();
    ~QtPrinting() override;

    bool SetupPrinter(QWidget* owner) override;
    void Print(const QTextDocument& document, const QString& jobName) override;

private:
    std::unique_ptr<QPrinter> chosen_;  // null until the user accepted a printer in the setup dialog
};

}  // namespace ferrolin
