#include "app/files/SaveFile.h"

#include "fileio/Replace.h"

#include <QBuffer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace app::files {

QString ReasonText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込む権限がありません");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("ディスクの空きが足りません");
    case ENOENT:
        return QStringLiteral("フォルダーがありません");
    case ENOTDIR:
        return QStringLiteral("パスの途中にフォルダーでないものがあります");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります");
    case EINVAL:
        return QStringLiteral("通常のファイルではありません");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています");
    case ENAMETOOLONG:
        return QStringLiteral("名前が長すぎます");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

SaveResult SaveBytes(const QString &path, QByteArrayView bytes)
{
    const fileio::Status written =
        fileio::WriteFile(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    if (!written)
        return {false, ReasonText(written.error())};
    return {true, {}};
}

SaveResult SaveWith(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return {false, QStringLiteral("書き出す内容を作れませんでした")};
    buffer.close();
    return SaveBytes(path, bytes);
}

} // namespace app::files
