// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintSetupDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/PrinterLookup.h"

namespace ferrolin {

namespace {

// Copies beyond this are a typing slip rather than a print run.
constexpr int kMostCopies = 999;

// A label whose underlined letter moves the focus to `control`, which is read by that name.
QLabel* LabelFor(QWidget* control, const QString& caption, const QString& accessibleName) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(accessibleName);
    return label;
}

// Sizes to offer when the printer names none.
QList<QPageSize> PageSizesOf(const PrinterDescription& printer) {
    if (!printer.pageSizes.isEmpty()) return printer.pageSizes;
    QList<QPageSize> sizes{QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    if (printer.defaultPageSize.isValid() && !sizes.contains(printer.defaultPageSize))
        sizes.prepend(printer.defaultPageSize);
    return sizes;
}

QString NoAnswerText() {
    return PrintSetupDialog::tr("The print system does not answer: the printer cannot be chosen now. Try again once it runs");
}

}  // namespace

PrintSetupDialog::PrintSetupDialog(std::shared_ptr<PrinterSource> printers, int lookupTimeoutMs,
                                   std::optional<PrinterSettings> current, QWidget* owner)
    : QDialog(owner), current_(std::move(current)) {
    setObjectName(QStringLiteral("PrintSetup"));
    setWindowTitle(tr("Print Setup"));

    status_ = new QLabel(tr("Looking for printers..."));
    status_->setObjectName(QStringLiteral("PrintSetupStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    printerList_ = new QListWidget;
    printerList_->setObjectName(QStringLiteral("PrinterList"));
    printerList_->installEventFilter(this);
    paperSize_ = new QComboBox;
    paperSize_->setObjectName(QStringLiteral("PaperSize"));
    orientation_ = new QComboBox;
    orientation_->setObjectName(QStringLiteral("Orientation"));
    orientation_->addItem(tr("Portrait"), int(QPageLayout::Portrait));
    orientation_->addItem(tr("Landscape"), int(QPageLayout::Landscape));
    copies_ = new QSpinBox;
    copies_->setObjectName(QStringLiteral("Copies"));
    copies_->setRange(1, kMostCopies);
    twoSided_ = new QComboBox;
    twoSided_->setObjectName(QStringLiteral("TwoSided"));
    twoSided_->addItem(tr("None"), int(TwoSided::None));
    twoSided_->addItem(tr("Long edge"), int(TwoSided::LongEdge));
    twoSided_->addItem(tr("Short edge"), int(TwoSided::ShortEdge));

    auto* form = new QFormLayout;
    form->addRow(LabelFor(printerList_, tr("&Printer:"), tr("Printer")), printerList_);
    form->addRow(LabelFor(paperSize_, tr("Paper &size:"), tr("Paper size")), paperSize_);
    form->addRow(LabelFor(orientation_, tr("O&rientation:"), tr("Orientation")), orientation_);
    form->addRow(LabelFor(copies_, tr("Cop&ies:"), tr("Copies")), copies_);
    form->addRow(LabelFor(twoSided_, tr("&Two-sided:"), tr("Two-sided")), twoSided_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setText(tr("&OK"));
    ok_->setObjectName(QStringLiteral("PrintSetupOk"));
    cancel_->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSetupDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(form);
    layout->addWidget(buttons);

    SetSettingsEnabled(false);
    printerList_->setAccessibleDescription(status_->text());  // read with the list, where the focus starts
    printerList_->setFocus();
    connect(printerList_, &QListWidget::currentRowChanged, this, &PrintSetupDialog::ShowPrinterSettings);

    auto* lookup = new PrinterLookup(std::move(printers), lookupTimeoutMs, this);
    connect(lookup, &PrinterLookup::Answered, this, &PrintSetupDialog::ShowPrinters);
    connect(lookup, &PrinterLookup::NoAnswer, this, [this] { ShowProblem(NoAnswerText()); });
    lookup->Start();
}

PrintSetupDialog::~PrintSetupDialog() = default;

void PrintSetupDialog::SetSettingsEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(paperSize_), static_cast<QWidget*>(orientation_),
                             static_cast<QWidget*>(copies_), static_cast<QWidget*>(twoSided_),
                             static_cast<QWidget*>(ok_)})
        control->setEnabled(enabled);
}

bool PrintSetupDialog::eventFilter(QObject* watched, QEvent* event) {
    // Keys typed before the list is there are held and typed into it once it is; Escape and Tab
    // act at once.
    if (watched == printerList_ && waiting_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            heldKeys_.emplace_back(key->clone());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PrintSetupDialog::ShowProblem(const QString& message) {
    waiting_ = false;
    heldKeys_.clear();
    status_->setText(message);
    status_->show();
    printerList_->clear();
    printerList_->setEnabled(false);
    SetSettingsEnabled(false);
    // Where the focus lands, a screen reader reads the reason with the button.
    cancel_->setAccessibleDescription(message);
    cancel_->setFocus();
}

void PrintSetupDialog::ShowPrinters(const PrinterSurvey& survey) {
    if (survey.failure) {
        ShowProblem(NoAnswerText());
        return;
    }
    if (survey.printers.isEmpty()) {
        ShowProblem(tr("No printer is installed: add one in the system's printer settings, then open Print Setup again"));
        return;
    }
    // After a "does not answer" the focus went to Cancel: a late answer brings it back.
    const bool focusToList = !printerList_->isEnabled() && focusWidget() == cancel_;
    printers_ = survey.printers;
    printerList_->setEnabled(true);
    cancel_->setAccessibleDescription({});
    printerList_->setAccessibleDescription({});
    status_->clear();
    status_->hide();
    int preferred = -1;  // an earlier choice first, then the default printer, then the first one
    {
        const QSignalBlocker filling(printerList_);
        printerList_->clear();
        for (int row = 0; row < printers_.size(); ++row) {
            const PrinterDescription& printer = printers_[row];
            printerList_->addItem(printer.isDefault ? tr("%1 (default)").arg(printer.name) : printer.name);
            if (current_ && printer.name == current_->name) preferred = row;
            if (preferred < 0 && printer.isDefault) preferred = row;
        }
    }
    preferred = std::max(preferred, 0);
    SetSettingsEnabled(true);
    {
        const QSignalBlocker choosing(printerList_);
        printerList_->setCurrentRow(preferred);
    }
    ShowPrinterSettings(preferred);
    if (focusToList) printerList_->setFocus();

    waiting_ = false;
    std::vector<std::unique_ptr<QKeyEvent>> held;
    held.swap(heldKeys_);
    for (const auto& key : held) {
        if (!isVisible()) break;  // a held Enter accepted the dialog
        QCoreApplication::sendEvent(printerList_, key.get());
    }
}

void PrintSetupDialog::ShowPrinterSettings(int row) {
    if (row < 0 || row >= printers_.size()) return;
    const PrinterDescription& printer = printers_[row];
    const bool chosenBefore = current_ && current_->name == printer.name;
    const QPageSize wanted = chosenBefore ? current_->layout.pageSize() : printer.defaultPageSize;
    paperSize_->clear();
    for (const QPageSize& size : PageSizesOf(printer)) {
        paperSize_->addItem(size.name(), QVariant::fromValue(size));
        if (wanted.isValid() && size.isEquivalentTo(wanted)) paperSize_->setCurrentIndex(paperSize_->count() - 1);
    }
    if (chosenBefore) {
        orientation_->setCurrentIndex(orientation_->findData(int(current_->layout.orientation())));
        copies_->setValue(current_->copies);
    }
    twoSided_->setCurrentIndex(printer.canPrintTwoSided && chosenBefore ? twoSided_->findData(int(current_->twoSided)) : 0);
    twoSided_->setEnabled(printer.canPrintTwoSided);
}

void PrintSetupDialog::accept() {
    const int row = printerList_->currentRow();
    if (waiting_ || row < 0 || row >= printers_.size()) return;
    PrinterSettings settings;
    settings.name = printers_[row].name;
    settings.layout = QPageLayout(paperSize_->currentData().value<QPageSize>(),
                                  QPageLayout::Orientation(orientation_->currentData().toInt()), QMarginsF());
    settings.copies = copies_->value();
    settings.twoSided = TwoSided(twoSided_->currentData().toInt());
    emit Chosen(settings);
    QDialog::accept();
}

}  // namespace ferrolin
