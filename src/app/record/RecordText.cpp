#include "app/record/RecordText.h"

#include "app/record/RecordTexts.h"
#include "app/record/UnitPrecision.h"
#include "app/ui/UiTexts.h"

#include <QRegularExpression>

namespace app::record {

namespace {

const QString StaleMark = QString::fromUtf8(texts::StaleMark);

bool plainNumber(const QString &cell)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(cell).hasMatch();
}

QString quoted(QString cell)
{
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QString joined(const TextTable &table, QChar separator, const QString &lineEnd,
               const QString &quoteWhenAny)
{
    QString text;
    for (const QStringList &row : table) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += separator;
            const QString cell = FormulaSafe(row[i]);
            const bool quote = std::any_of(cell.begin(), cell.end(),
                                           [&](QChar c) { return quoteWhenAny.contains(c); });
            text += quote ? quoted(cell) : cell;
        }
        text += lineEnd;
    }
    return text;
}

} // namespace

QString HeaderCell(const QString &caption, const QString &unit)
{
    return unit.isEmpty() ? caption : caption + QStringLiteral(" [") + unit + QLatin1Char(']');
}

QString ShownText(const ui::FieldValue &field)
{
    return MarkedWhenStale(field, RecordedText(field));
}

QString MarkedWhenStale(const ui::FieldValue &field, const QString &text)
{
    return field.stale && !text.isEmpty() ? text + StaleMark : text;
}

QString TimeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QStringList KindHeader(const KindTable &table)
{
    QStringList row;
    for (const char *caption : {texts::Time, texts::Page, texts::Calculation, texts::Note})
        row.append(QString::fromUtf8(caption));
    if (table.documented)
        row.insert(1, QString::fromUtf8(texts::Document));
    for (const FieldColumn &c : table.columns)
        row.append(HeaderCell(c.caption, c.unit));
    row.append(QString::fromUtf8(ui::texts::Warning));
    return row;
}

QStringList KindRow(const KindTable &table, qsizetype record)
{
    const ui::CalculationRecord &r = *table.records.at(record);
    QStringList row{TimeText(r.time), r.page, r.calculation, r.note};
    if (table.documented)
        row.insert(1, r.document);
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        const ui::FieldValue *f = table.field(record, c);
        row.append(f ? ShownText(*f) : QString());
    }
    row.append(r.warning);
    return row;
}

TextTable TableRows(const QList<KindTable> &tables)
{
    TextTable rows;
    for (const KindTable &table : tables) {
        if (!rows.isEmpty())
            rows.append(QStringList{});
        rows.append(KindHeader(table));
        for (qsizetype r = 0; r < table.records.size(); ++r)
            rows.append(KindRow(table, r));
    }
    return rows;
}

TextTable RecordRows(const QList<const ui::CalculationRecord *> &records)
{
    return TableRows(KindTables(records));
}

TextTable FieldRows(const QList<ui::FieldValue> &fields)
{
    QStringList header, texts;
    for (const ui::FieldValue &f : fields) {
        header.append(HeaderCell(f.caption, f.unit));
        texts.append(ShownText(f));
    }
    return {header, texts};
}

QString FormulaSafe(const QString &cell)
{
    // A NUL cuts a cell short, or is dropped, in one reader or another: it
    // never goes out, and what follows it is judged as a reader sees it.
    QString text = cell;
    text.remove(QChar(u'\0'));
    if (text.isEmpty() || plainNumber(text))
        return text;
    // The characters that start a formula, also in their full-width forms
    // (which a Japanese spreadsheet takes as typed formulas). Blanks and
    // control characters before them do not hide them: spreadsheets trim or
    // skip those on import.
    const auto startsFormula = [](QChar c) {
        switch (c.unicode()) {
        case u'=':
        case u'+':
        case u'-':
        case u'@':
        case u'\uFF1D': // ＝
        case u'\uFF0B': // ＋
        case u'\uFF0D': // －
        case u'\uFF20': // ＠
            return true;
        default:
            return false;
        }
    };
    const auto skipped = [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control;
    };
    // A tab, carriage return or line feed first is itself a formula start
    // to some readers.
    const char16_t first = text.front().unicode();
    if (first == u'\t' || first == u'\r' || first == u'\n')
        return QLatin1Char('\'') + text;
    const auto start = std::find_if_not(text.cbegin(), text.cend(), skipped);
    if (start != text.cend() && startsFormula(*start))
        return QLatin1Char('\'') + text;
    return text;
}

QString ToTsv(const TextTable &table)
{
    return joined(table, QLatin1Char('\t'), QStringLiteral("\n"), QStringLiteral("\t\r\n\""));
}

QByteArray ToCsv(const TextTable &table)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") +
           joined(table, QLatin1Char(','), QStringLiteral("\r\n"), QStringLiteral(",\r\n\""))
               .toUtf8();
}

QString FieldsToTsv(const QList<ui::FieldValue> &fields)
{
    return ToTsv(FieldRows(fields));
}

} // namespace app::record
