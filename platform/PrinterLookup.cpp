// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrinterLookup.h"

#include <QThread>
#include <QTimer>

#include <mutex>

namespace ferrolin {

// Lets the lookup's thread reach the PrinterLookup for as long as it exists.
struct PrinterLookup::Channel {
    std::mutex mutex;
    PrinterLookup* receiver = nullptr;
};

PrinterLookup::PrinterLookup(std::shared_ptr<PrinterSource> source, int timeoutMs, QObject* parent)
    : QObject(parent), source_(std::move(source)), channel_(std::make_shared<Channel>()), deadline_(new QTimer(this)) {
    channel_->receiver = this;
    deadline_->setSingleShot(true);
    deadline_->setInterval(timeoutMs);
    connect(deadline_, &QTimer::timeout, this, &PrinterLookup::NoAnswer);
}

PrinterLookup::~PrinterLookup() {
    std::lock_guard lock(channel_->mutex);
    channel_->receiver = nullptr;
}

void PrinterLookup::Start() {
    deadline_->start();
    QThread* thread = QThread::create([source = source_, channel = channel_] {
        PrinterSurvey survey = source->ListPrinters();
        std::lock_guard lock(channel->mutex);
        if (!channel->receiver) return;
        QMetaObject::invokeMethod(
            channel->receiver,
            [receiver = channel->receiver, survey = std::move(survey)] {
                receiver->deadline_->stop();
                emit receiver->Answered(survey);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

}  // namespace ferrolin
