#include "app/record/RecordTables.h"

#include <QHash>
#include <QStringList>

namespace app::record {

namespace {

// A field's identity within its record: control, caption and unit, and how
// many fields alike came before it (a page may show two of a kind).
QList<QString> fieldKeys(const ui::CalculationRecord &r)
{
    QHash<QString, int> seen;
    QList<QString> keys;
    keys.reserve(r.fields.size());
    for (const ui::FieldValue &f : r.fields) {
        const QString base = f.name + QChar(0x1f) + f.caption + QChar(0x1f) + f.unit;
        keys.append(base + QChar(0x1e) + QString::number(seen[base]++));
    }
    return keys;
}

// Every record's fields in one order. Fields not seen before go in as late as
// their record allows: before the next field of their record that the table
// has, or at the end.
void addColumns(KindTable &table, QStringList &keys)
{
    for (const ui::CalculationRecord *r : table.records) {
        const QList<QString> own = fieldKeys(*r);
        QList<qsizetype> pending; // fields of `r` not yet in the table
        const auto place = [&](qsizetype at) {
            for (qsizetype i : pending) {
                const ui::FieldValue &f = r->fields[i];
                keys.insert(at, own[i]);
                table.columns.insert(at++, {f.name, f.caption, f.unit});
            }
            pending.clear();
            return at;
        };
        qsizetype previous = -1; // where the record's last field known to the table stands
        for (qsizetype i = 0; i < own.size(); ++i) {
            const qsizetype at = keys.indexOf(own[i]);
            if (at < 0)
                pending.append(i);
            else if (at > previous)
                previous = place(at); // the known field moves up behind them
            else
                previous = place(previous + 1) - 1; // out of the table's order
        }
        place(keys.size());
    }
}

} // namespace

const ui::FieldValue *KindTable::field(qsizetype record, qsizetype column) const
{
    const qsizetype index = fieldIndex.at(record).at(column);
    return index < 0 ? nullptr : &records.at(record)->fields.at(index);
}

QString KindOf(const ui::CalculationRecord &record)
{
    return record.page + QChar(0x1f) + record.calculation;
}

QList<KindCount> CountKinds(const QList<const ui::CalculationRecord *> &records)
{
    QHash<QString, qsizetype> at;
    QList<KindCount> kinds;
    for (const ui::CalculationRecord *r : records) {
        const QString kind = KindOf(*r);
        auto it = at.find(kind);
        if (it == at.end()) {
            it = at.insert(kind, kinds.size());
            kinds.append({kind, r->page, r->calculation, 0});
        }
        ++kinds[*it].count;
    }
    return kinds;
}

QList<KindTable> KindTables(const QList<const ui::CalculationRecord *> &records)
{
    QHash<QString, qsizetype> kinds;
    QList<KindTable> tables;
    for (const ui::CalculationRecord *r : records) {
        const QString kind = KindOf(*r);
        auto it = kinds.find(kind);
        if (it == kinds.end()) {
            it = kinds.insert(kind, tables.size());
            tables.append(KindTable{r->page, r->calculation, {}, {}, false, {}});
        }
        tables[*it].records.append(r);
        tables[*it].documented = tables[*it].documented || !r->document.isEmpty();
    }
    for (KindTable &table : tables) {
        QStringList keys;
        addColumns(table, keys);
        QHash<QString, qsizetype> column;
        for (qsizetype c = 0; c < keys.size(); ++c)
            column.insert(keys[c], c);
        for (const ui::CalculationRecord *r : table.records) {
            QList<qsizetype> index(keys.size(), -1);
            const QList<QString> own = fieldKeys(*r);
            for (qsizetype i = 0; i < own.size(); ++i)
                index[column.value(own[i])] = i;
            table.fieldIndex.append(index);
        }
    }
    return tables;
}

} // namespace app::record
