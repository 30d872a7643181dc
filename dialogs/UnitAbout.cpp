// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/UnitAbout.h"

#include "dialogs/DesignMetrics.h"
#include "dialogs/HomePageLabel.h"
#include "dialogs/ReadableColour.h"
#include "ferrolin/Version.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <stdexcept>
#include <utility>

namespace ferrolin {

const QString TFormAbout::HomePageAddress = QStringLiteral("https://github.com/ferrolin/ferrolin");

namespace {

MessageBoxes* RequireMessageBoxes(const Platform& platform)
{
    if (!platform.messageBoxes)
        throw std::logic_error("TFormAbout needs message boxes");
    return platform.messageBoxes;
}

void SetUnderline(QWidget* widget, bool underline)
{
    QFont font = widget->font();
    font.setUnderline(underline);
    widget->setFont(font);
}

}  // namespace

TFormAbout::TFormAbout(QWidget* owner, const Platform& platform, QString noticeTitle)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ImageIcon(new QLabel(this)),
      LabelName(new QLabel(QStringLiteral("Ferrolin"), this)),
      LabelAuthor(new QLabel(QCoreApplication::translate("About", "by the Ferrolin developers"), this)),
      LabelHomePage(new HomePageLabel(QCoreApplication::translate("About", "Home page (Click here)"), this)),
      Button1(new QPushButton(tr("OK"), this)),
      LabelVersion(new QLabel(tr("Version %1").arg(QString::fromLatin1(kVersion)), this)),
      shell_(platform.shell),
      messageBoxes_(RequireMessageBoxes(platform)),
      noticeTitle_(std::move(noticeTitle))
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("Ferrolin"));

    // Blue as designed on a light window; lighter blue on a dark or high-contrast one.
    QPalette blueText = palette();
    blueText.setColor(QPalette::WindowText, ReadableOn(Qt::blue, blueText.color(QPalette::Window)));
    setPalette(blueText);

    ImageIcon->setObjectName(QStringLiteral("ImageIcon"));
    LabelName->setObjectName(QStringLiteral("LabelName"));
    LabelAuthor->setObjectName(QStringLiteral("LabelAuthor"));
    LabelHomePage->setObjectName(QStringLiteral("LabelHomePage"));
    LabelHomePage->setAccessibleName(QCoreApplication::translate("About", "Home page"));
    LabelHomePage->setAccessibleDescription(tr("Opens %1 in the web browser").arg(HomePageAddress));
    LabelHomePage->setToolTip(HomePageAddress);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    LayOut();
    setTabOrder(Button1, LabelHomePage);

    connect(LabelHomePage, &HomePageLabel::activated, this, &TFormAbout::LabelHomePageClick);
    connect(LabelHomePage, &HomePageLabel::mouseEntered, this, &TFormAbout::LabelHomePageMouseEnter);
    connect(LabelHomePage, &HomePageLabel::mouseLeft, this, &TFormAbout::LabelHomePageMouseLeave);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    Button1->setFocus();
}

void TFormAbout::LayOut()
{
    const DesignMetrics metrics(this);
    // The designed 324 x 138, and a line more for the version under the OK button.
    setFixedSize(metrics.Size(324, 160));
    setFont(metrics.Tahoma(13));

    // The owner's icon (the main window's, else the application's) fills the space left of the texts.
    const QIcon icon = windowIcon();
    ImageIcon->setGeometry(metrics.Rect(20, 16, 48, 48));
    if (!icon.isNull())
        ImageIcon->setPixmap(icon.pixmap(ImageIcon->size()));
    ImageIcon->setVisible(!icon.isNull());

    QFont nameFont = metrics.Tahoma(20);
    nameFont.setBold(true);
    LabelName->setFont(nameFont);
    LabelName->move(metrics.Px(88), metrics.Px(12));
    LabelName->adjustSize();
    LabelAuthor->move(metrics.Px(88), metrics.Px(42));
    LabelAuthor->adjustSize();
    LabelHomePage->move(metrics.Px(88), metrics.Px(68));
    LabelHomePage->adjustSize();
    Button1->setGeometry(metrics.Rect(119, 98, 75, 25));
    LabelVersion->move(metrics.Px(88), metrics.Px(134));
    LabelVersion->adjustSize();
}

void TFormAbout::LabelHomePageClick()
{
    const std::optional<QString> failure = shell_ ? shell_->OpenUrl(QUrl(HomePageAddress)) : QString();
    if (failure)
        messageBoxes_->ShowNotice(noticeTitle_, failure->isEmpty() ? QCoreApplication::translate("About", "Website not available")
                                                                   : QCoreApplication::translate("About", "Website not available") + QStringLiteral("\n\n") + *failure);
}

void TFormAbout::LabelHomePageMouseEnter()
{
    SetUnderline(LabelHomePage, true);
}

void TFormAbout::LabelHomePageMouseLeave()
{
    SetUnderline(LabelHomePage, false);
}

}  // namespace ferrolin
