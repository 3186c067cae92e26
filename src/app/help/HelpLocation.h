#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Where the help documents are: beside the executable in a build tree or a
// folder of its own, or in the data folder of an installed copy.
namespace app::help {

// The places tried, in order, for the main document of a help file name such
// as "Zefra.hlp" (an HTML page of the same base name): help/ beside the
// executable, then ../share/zefra/help/ from it. Without a known program
// folder, the system's data folders (…/share/zefra/help/) instead.
QStringList HelpDocumentCandidates(const QString &helpFileName);
QStringList HelpDocumentCandidates(const QString &programFolder, const QString &helpFileName);

// The first candidate that is a readable file, or an empty string.
QString FirstReadableDocument(const QStringList &candidates);

// The error box's text when none is: texts::HelpFailed and the places
// tried.
QString MissingHelpText(const QStringList &candidates);

// Tests replace the candidates with places of their own.
using HelpCandidates = std::function<QStringList(const QString &helpFileName)>;

} // namespace app::help
