// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a results file: what may be replaced, and that whatever is written can be opened again.
#include "formats/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace ferrolin;

class ResultsFileTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatItMustNotReplace_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ResultsFileFailureKind>("failureKind");
        QTest::addColumn<QString>("reason");
        using enum ResultsFileFailureKind;
        QTest::newRow("a pipe") << "fifo" << NotRegularFile << "Not a regular file";
        QTest::newRow("a folder") << "folder" << NotRegularFile << "Not a regular file";
        QTest::newRow("a link to a pipe") << "link" << NotRegularFile << "Not a regular file";
        QTest::newRow("more than Open reads") << "large" << TooLarge << "The history is too large";
    }

    void refusesWhatItMustNotReplace() {
        QFETCH(QString, kind);
        QFETCH(ResultsFileFailureKind, failureKind);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString target = folder.filePath(kind);
        const QString fifo = folder.filePath("pipe");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QStringList lines{"1+1= 2.00"};
        if (kind == "fifo") {
            QVERIFY(QFile::rename(fifo, target));
        } else if (kind == "folder") {
            QVERIFY(QDir(folder.path()).mkdir(kind));
        } else if (kind == "link") {
            QVERIFY(QFile::link(fifo, target));
        } else {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            lines = QStringList(kMaxResultsFileBytes / 1000 + 1, QString(1000, u'7'));
        }
        const QFileInfo before(target);
        const std::optional<ResultsFileFailure> failure = WriteResultsFile(target, lines, "Tahoma");
        QVERIFY(failure);
        QVERIFY(failure->kind == failureKind);
        QVERIFY2(failure->message.startsWith("Cannot create file \"" + target + "\". " + reason), qPrintable(failure->message));
        // Nothing was touched, and no temporary file was left beside it.
        const QFileInfo after(target);
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.lastModified(), before.lastModified());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot).size(),
                 kind == "fifo" ? 1 : 2);
    }
};

QTEST_MAIN(ResultsFileTest)
#include "ResultsFileTest.moc"
