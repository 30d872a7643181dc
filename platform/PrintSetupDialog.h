// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Print Setup: the printer and its settings for later Print jobs. It opens at once; the printer
// list is read on a worker thread (the print server may hang), "Looking for printers..." shows
// until it comes, and OK waits for it. Keys typed into the list meanwhile are kept and take
// effect once the list is there. A print system that does not answer in time is named in the
// dialog, which can still be cancelled.
#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

#include "platform/PrinterSource.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace ferrolin {

class PrintSetupDialog final : public QDialog {
    Q_OBJECT
public:
    // `current` preselects what an earlier Print Setup chose.
    PrintSetupDialog(std::shared_ptr<PrinterSource> printers, int lookupTimeoutMs,
                     std::optional<PrinterSettings> current, QWidget* owner = nullptr);
    ~PrintSetupDialog() override;

    void accept() override;

signals:
    // The user pressed OK on these settings.
    void Chosen(const ferrolin::PrinterSettings& settings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPrinters(const PrinterSurvey& survey);
    void ShowProblem(const QString& message);
    void ShowPrinterSettings(int row);
    void SetSettingsEnabled(bool enabled);

    std::optional<PrinterSettings> current_;
    QList<PrinterDescription> printers_;
    bool waiting_ = true;  // no answer from the print system yet
    std::vector<std::unique_ptr<QKeyEvent>> heldKeys_;

    QLabel* status_;
    QListWidget* printerList_;
    QComboBox* paperSize_;
    QComboBox* orientation_;
    QSpinBox* copies_;
    QComboBox* twoSided_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ferrolin
