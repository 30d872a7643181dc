// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the program's name, the author credit, a link to the home page and the version.
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace ferrolin {

struct Platform;
class HomePageLabel;
class MessageBoxes;
class Shell;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    static const QString HomePageAddress;

    // `noticeTitle` is the application title, used for the "Website not available" notice.
    TFormAbout(QWidget* owner, const Platform& platform, QString noticeTitle);

public slots:
    void LabelHomePageClick();
    void LabelHomePageMouseEnter();
    void LabelHomePageMouseLeave();

private:
    // Found by their object names (the same names) from outside.
    QLabel* const ImageIcon;  // the program's icon, when it has one
    QLabel* const LabelName;
    QLabel* const LabelAuthor;
    HomePageLabel* const LabelHomePage;
    QPushButton* const Button1;
    QLabel* const LabelVersion;  // below the rest: which release this is, for bug reports

    void LayOut();

    Shell* shell_;
    MessageBoxes* messageBoxes_;
    QString noticeTitle_;
};

}  // namespace ferrolin
