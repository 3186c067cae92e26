#include "app/help/HelpLocation.h"

#include "app/help/HelpTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app::help {

namespace {

QString documentName(const QString &helpFileName)
{
    return QFileInfo(helpFileName).completeBaseName() + QStringLiteral(".html");
}

} // namespace

QStringList HelpDocumentCandidates(const QString &helpFileName)
{
    return HelpDocumentCandidates(QCoreApplication::applicationDirPath(), helpFileName);
}

QStringList HelpDocumentCandidates(const QString &programFolder, const QString &helpFileName)
{
    const QString document = documentName(helpFileName);
    QStringList candidates;
    if (!programFolder.isEmpty()) {
        candidates << QDir::cleanPath(programFolder + QStringLiteral("/help/") + document)
                   << QDir::cleanPath(programFolder + QStringLiteral("/../share/zefra/help/") +
                                      document);
        return candidates;
    }
    // A program folder whose name the system cannot tell us (one that is not
    // UTF-8, say) leaves only the installed copies.
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << QDir::cleanPath(data + QStringLiteral("/zefra/help/") + document);
    candidates.removeDuplicates();
    return candidates;
}

QString FirstReadableDocument(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return info.absoluteFilePath();
    }
    return {};
}

QString MissingHelpText(const QStringList &candidates)
{
    QString text = QString::fromUtf8(texts::HelpFailed);
    if (candidates.isEmpty())
        return text + QStringLiteral("\n\nヘルプ文書を探す場所がわかりません。");
    text += QStringLiteral("\n\n次の場所に、読めるヘルプ文書がありませんでした。");
    for (const QString &candidate : candidates)
        text += QLatin1Char('\n') + QDir::toNativeSeparators(candidate);
    return text;
}

} // namespace app::help
