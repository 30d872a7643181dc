// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks a PrinterSource for its printers on a thread of its own and hands the answer to the GUI
// thread; after `timeoutMs` without one it reports NoAnswer. A later answer still arrives.
#include <QObject>

#include <memory>

#include "platform/PrinterSource.h"

class QTimer;

namespace ferrolin {

class PrinterLookup final : public QObject {
    Q_OBJECT
public:
    PrinterLookup(std::shared_ptr<PrinterSource> source, int timeoutMs, QObject* parent = nullptr);
    // A lookup still waiting for the print system is left to end on its own; its answer is dropped.
    ~PrinterLookup() override;

    void Start();

signals:
    void Answered(const ferrolin::PrinterSurvey& survey);
    void NoAnswer();

private:
    struct Channel;
    std::shared_ptr<PrinterSource> source_;
    std::shared_ptr<Channel> channel_;
    QTimer* deadline_;
};

}  // namespace ferrolin
