// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultsFile.h"

#include "formats/RtfReader.h"
#include "formats/RtfWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace ferrolin {

QString CannotOpenMessage(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(QFileInfo(fileName).absoluteFilePath(), reason);
}

QString CannotCreateMessage(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(QFileInfo(fileName).absoluteFilePath(), reason);
}

QString FailedStreamMessage(const char* failure, const QString& cause) {
    const QString first = QCoreApplication::translate("Files", failure) + QLatin1Char('.');
    return cause.isEmpty() ? first : first + QLatin1Char('\n') + cause;
}

QString TooLargeReason(qint64 bytes) {
    return QCoreApplication::translate("Files", "The file is too large to show as a results history (%1 MB; the largest is %2 MB).")
        .arg((bytes + (1 << 20) - 1) >> 20)
        .arg(kMaxResultsFileBytes >> 20);
}

namespace {

// Why bytes that look like RTF could not be read as RTF.
QString RtfFailureCause(QByteArrayView bytes) {
    const qsizetype header = bytes.indexOf("{\\rtf");
    const qsizetype afterHeader = header + 5;
    if (header < 0 || (afterHeader < bytes.size() && std::isalpha(static_cast<unsigned char>(bytes[afterHeader]))))
        return QCoreApplication::translate("Files", "The file starts like an RTF document but is not one.");
    return QCoreApplication::translate("Files", "Its groups are nested more than %1 deep.").arg(kMaxRtfGroupDepth);
}

}  // namespace

ReadResults ReadResultsFile(const QString& fileName) {
    using enum ResultsFileFailureKind;
    const auto failed = [](ResultsFileFailureKind kind, QString message) {
        return ReadResults{{}, ResultsFileFailure{kind, std::move(message)}};
    };
    const QFileInfo info(fileName);
    // A pipe would block the window until some writer came, a device could never end.
    if (!info.isFile() && !info.isDir())
        return failed(NotRegularFile, CannotOpenMessage(fileName, QCoreApplication::translate("Files", "Not a regular file")));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return failed(CannotOpen, CannotOpenMessage(fileName, file.errorString()));
    // Asked of the open file: the size by name could be another file's by now.
    if (file.size() > kMaxResultsFileBytes)
        return failed(TooLarge, CannotOpenMessage(fileName, TooLargeReason(file.size())));
    // Bounded even if the file grows while it is read.
    QByteArray bytes = file.read(kMaxResultsFileBytes);
    if (file.error() != QFileDevice::NoError)
        return failed(CannotOpen, CannotOpenMessage(fileName, file.errorString()));
    std::optional<HistoryText> history = ReadResultsHistory(bytes);
    if (!history) return failed(Unreadable, FailedStreamMessage(kFailedToLoadMessage, RtfFailureCause(bytes)));
    return {std::move(*history), std::nullopt};
}

std::optional<ResultsFileFailure> WriteResultsFile(const QString& fileName, const QStringList& lines, const QString& fontName) {
    using enum ResultsFileFailureKind;
    // Replacing a pipe or a device node with a regular file would break whatever it served (as
    // root, a device of the system's); Open refuses them too.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return ResultsFileFailure{NotRegularFile, CannotCreateMessage(fileName, QCoreApplication::translate("Files", "Not a regular file"))};
    const QByteArray bytes = WriteRtf(lines, fontName);
    // A file Open would refuse is not written: the history stays in the window, the old file whole.
    if (bytes.size() > kMaxResultsFileBytes) {
        const QString reason = QCoreApplication::translate("Files", "The history is too large for a results file that can be "
                                                                    "opened again (%1 MB; the largest is %2 MB).")
                                   .arg((bytes.size() + (1 << 20) - 1) >> 20)
                                   .arg(kMaxResultsFileBytes >> 20);
        return ResultsFileFailure{TooLarge, CannotCreateMessage(fileName, reason)};
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return ResultsFileFailure{CannotCreate, CannotCreateMessage(fileName, file.errorString())};
    // The system's reason, taken before anything else can change errno: Qt's own error text for
    // a failed write of a save file is "Unknown error".
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!written) {
        const QString cause = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        return ResultsFileFailure{NotSaved, FailedStreamMessage(kFailedToSaveMessage, cause)};
    }
    if (!file.commit())
        return ResultsFileFailure{NotSaved, FailedStreamMessage(kFailedToSaveMessage, file.errorString())};
    return std::nullopt;
}

}  // namespace ferrolin
