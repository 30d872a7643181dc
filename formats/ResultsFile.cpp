#include "formats/ResultsFile.h"

#include "formats/RtfReader.h"
#include "formats/RtfWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <unistd.h>

namespace ferrolin {

QString CannotOpenMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QFileInfo(fileName).absoluteFilePath(), reason);
}

QString CannotCreateMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QFileInfo(fileName).absoluteFilePath(), reason);
}

ReadResults ReadResultsFile(const QString& fileName) {
    const QFileInfo info(fileName);
    // A pipe would block the window until some writer came, a device could never end.
    if (!info.isFile() && !info.isDir()) return {std::nullopt, CannotOpenMessage(fileName, QStringLiteral("Not a regular file"))};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, CannotOpenMessage(fileName, file.errorString())};
    // Asked of the open file: the size by name could be another file's by now.
    if (file.size() > kMaxResultsFileBytes) {
        return {std::nullopt,
                CannotOpenMessage(fileName, QStringLiteral("The file is too large to show as a results history "
                                                           "(%1 MB; the largest is %2 MB).")
                                                .arg((file.size() + (1 << 20) - 1) >> 20)
                                                .arg(kMaxResultsFileBytes >> 20))};
    }
    // Bounded even if the file grows while it is read.
    QByteArray bytes = file.read(kMaxResultsFileBytes);
    if (file.error() != QFileDevice::NoError) return {std::nullopt, CannotOpenMessage(fileName, file.errorString())};
    std::optional<HistoryText> history = ReadResultsHistory(bytes);
    if (!history) return {std::nullopt, QString::fromLatin1(kFailedToLoadMessage)};
    return {std::move(history), QString()};
}

QString WriteResultsFile(const QString& fileName, const QStringList& lines, const QString& fontName) {
    const QByteArray bytes = WriteRtf(lines, fontName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return CannotCreateMessage(fileName, file.errorString());
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!written) {
        file.cancelWriting();
        return QString::fromLatin1(kFailedToSaveMessage);
    }
    if (!file.commit()) return QString::fromLatin1(kFailedToSaveMessage);
    return QString();
}

}  // namespace ferrolin
