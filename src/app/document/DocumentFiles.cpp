#include "app/document/DocumentFiles.h"

#include "document/DocumentFile.h"
#include "fileio/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app::document {

namespace {

QString Utf8(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

OpenedFile ReadDocumentFile(const QString &path, ::losssheet::UnitSystem units)
{
    const std::string name = QFile::encodeName(path).toStdString();
    const fileio::UniqueFd fd = fileio::OpenRegularFile(name, O_RDONLY | O_CLOEXEC);
    if (!fd.valid()) {
        const int error = errno;
        if (error == EISDIR)
            return {{}, QStringLiteral("フォルダです。文書のファイルを選んで下さい。")};
        if (error == EINVAL)
            return {{}, QStringLiteral("普通のファイルではありません。")};
        return {{}, files::ReasonText(error)};
    }
    struct stat status
    {
    };
    if (fstat(fd.get(), &status) != 0)
        return {{}, files::ReasonText(errno)};
    if (const auto tooLarge = ::document::SizeProblem(static_cast<std::uint64_t>(status.st_size)))
        return {{}, Utf8(tooLarge->text())};
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {{}, files::ReasonText(errno)};
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // The file grew while it was read: the limit holds all the same.
        if (const auto tooLarge = ::document::SizeProblem(bytes.size()))
            return {{}, Utf8(tooLarge->text())};
    }
    ::document::ReadResult read = ::document::Read(bytes, units);
    if (!read.document)
        return {{}, Utf8(read.problem.text())};
    return {std::move(read.document), {}};
}

DocumentBytes DocumentFileBytes(const ::document::Document &document, ::losssheet::UnitSystem units)
{
    ::document::WriteResult written = ::document::Write(document, units);
    if (written.problem)
        return {{}, Utf8(written.problem->text())};
    return {QByteArray::fromStdString(written.bytes), {}};
}

files::SaveResult SaveDocumentFile(const QString &path, const ::document::Document &document,
                                   ::losssheet::UnitSystem units)
{
    const DocumentBytes file = DocumentFileBytes(document, units);
    if (!file.problem.isEmpty())
        return {false, file.problem};
    return files::SaveBytes(path, file.bytes);
}

} // namespace app::document
