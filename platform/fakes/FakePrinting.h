// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing for tests: keeps every job instead of printing it, and can be told to fail.
//
//   FakePrinting printing;
//   printing.failWith = "Printer selected is not valid";   // every Print then ends in Failed(that)
#include "platform/Printing.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace ferrolin {

class FakePrinting final : public Printing {
    Q_OBJECT
public:
    struct Job {
        QString name;
        QStringList lines;    // the document's text, one entry per printed line
        QString fontFamily;   // the document's default font
    };

    void SetupPrinter(QWidget* owner) override;
    void Print(const QTextDocument& document, const QString& jobName) override;

    int setupCalls = 0;
    std::optional<QString> failWith;
    QList<Job> jobs;
};

}  // namespace ferrolin
