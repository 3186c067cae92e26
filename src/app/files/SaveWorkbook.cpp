#include "app/files/SaveWorkbook.h"

#include "spreadsheet/WorkbookFile.h"

namespace app::files {

SaveResult SaveWorkbook(const QString &path, const spreadsheet::Workbook &workbook)
{
    const spreadsheet::WorkbookFile file = spreadsheet::MakeWorkbookFile(workbook);
    switch (file.problem) {
    case spreadsheet::WorkbookProblem::None:
        return SaveBytes(path, file.bytes);
    case spreadsheet::WorkbookProblem::TooLarge:
        return {false, QStringLiteral("行または列が多すぎて、1 枚のワークシートに収まりません")};
    case spreadsheet::WorkbookProblem::Scratch:
        return {
            false,
            QStringLiteral("作業用のファイルを作れませんでした（%1）").arg(ReasonText(file.error))};
    case spreadsheet::WorkbookProblem::Library:
        break;
    }
    return {false, QStringLiteral("ブックを作れませんでした")};
}

} // namespace app::files
