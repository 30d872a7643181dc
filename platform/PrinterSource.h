// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print system knows about its printers, as plain data, and the one question the print
// setup asks it. Asking may take as long as the print system takes to answer (a hung server:
// a minute or more), so it is only ever asked off the GUI thread.
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <optional>

namespace ferrolin {

enum class TwoSided { None, LongEdge, ShortEdge };

// The printer and settings the user accepted in Print Setup, used by every later Print.
struct PrinterSettings {
    QString name;
    QPageLayout layout;  // paper size and orientation; the printer's own margins are added at print time
    int copies = 1;
    TwoSided twoSided = TwoSided::None;
};

struct PrinterDescription {
    QString name;
    bool isDefault = false;
    QList<QPageSize> pageSizes;  // may be empty when the printer does not say
    QPageSize defaultPageSize;   // may be invalid, likewise
    bool canPrintTwoSided = false;
};

// Why no printer list came back.
enum class PrinterSurveyFailure {
    NotAnswering,  // the print system could not be reached, or gave up on the request
};

struct PrinterSurvey {
    std::optional<PrinterSurveyFailure> failure;
    QList<PrinterDescription> printers;  // empty on failure, and when none is installed
};

class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    // Called on a worker thread, possibly on several at once; blocks until the print system answers.
    virtual PrinterSurvey ListPrinters() = 0;
};

}  // namespace ferrolin
