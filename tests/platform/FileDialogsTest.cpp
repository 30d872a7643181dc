// SPDX-License-Identifier: GPL-3.0-or-later
// The open dialog's filter list, from the "Label|pattern|..." form to Qt's name filters.
#include <QTest>

#include "platform/FileDialogs.h"

class FileDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
};

void FileDialogsTest::nameFilters_data()
{
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("the open dialog's") << "Text File|*.txt|All Files|*.*"
                                      << QStringList{"Text File (*.txt)", "All Files (*)"};
    QTest::newRow("several patterns") << "Results|*.rtf;*.txt" << QStringList{"Results (*.rtf *.txt)"};
    QTest::newRow("label without pattern dropped") << "Text File|*.txt|Orphan" << QStringList{"Text File (*.txt)"};
    QTest::newRow("empty") << "" << QStringList();
}

void FileDialogsTest::nameFilters()
{
    QFETCH(QString, pairs);
    QFETCH(QStringList, filters);
    QCOMPARE(ferrolin::NameFiltersFromPairs(pairs), filters);
}

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
