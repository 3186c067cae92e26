#pragma once

#include "app/files/SaveFile.h"
#include "document/Document.h"
#include "losssheet/SheetUnits.h"

#include <QString>

#include <optional>

// A work document's file on disk, read without ever waiting and written
// whole or not at all (fileio).
namespace app::document {

struct OpenedFile
{
    std::optional<::document::Document> document;
    QString problem; // why not, for the user (with line and column for JSON errors)
};

// Reads the document at `path`. Anything but a regular file (a folder, a
// FIFO, a device) is refused without being opened for reading, a file over
// the size limit before a byte is read; `units` is the window's unit system
// (document::Read).
OpenedFile ReadDocumentFile(const QString &path, ::losssheet::UnitSystem units);

// The file's bytes, or the problem that keeps the document from being written.
struct DocumentBytes
{
    QByteArray bytes;
    QString problem;
};
DocumentBytes DocumentFileBytes(const ::document::Document &document,
                                ::losssheet::UnitSystem units);

// Writes the document to `path` through the file module: the old file stays
// as it was when anything fails, and the result says why.
files::SaveResult SaveDocumentFile(const QString &path, const ::document::Document &document,
                                   ::losssheet::UnitSystem units);

} // namespace app::document
