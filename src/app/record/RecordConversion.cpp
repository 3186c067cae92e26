#include "app/record/RecordConversion.h"

#include <cmath>

namespace app::record {

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString(); // QString::toStdString is UTF-8
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

journal::Role toJournal(ui::FieldRole role)
{
    switch (role) {
    case ui::FieldRole::Input:
        return journal::Role::Input;
    case ui::FieldRole::Option:
        return journal::Role::Option;
    case ui::FieldRole::Result:
        break;
    }
    return journal::Role::Result;
}

ui::FieldRole fromJournal(journal::Role role)
{
    switch (role) {
    case journal::Role::Input:
        return ui::FieldRole::Input;
    case journal::Role::Option:
        return ui::FieldRole::Option;
    case journal::Role::Result:
        break;
    }
    return ui::FieldRole::Result;
}

} // namespace

journal::Record ToJournal(const ui::CalculationRecord &record, std::string id)
{
    journal::Record r;
    r.id = std::move(id);
    const QDateTime time = record.time.isValid() ? record.time : QDateTime::currentDateTime();
    r.time = {time.toMSecsSinceEpoch(), time.offsetFromUtc()};
    r.page = utf8(record.page);
    r.calculation = utf8(record.calculation);
    r.warning = utf8(record.warning);
    r.note = utf8(record.note);
    r.document = utf8(record.document);
    r.fields.reserve(static_cast<std::size_t>(record.fields.size()));
    for (const ui::FieldValue &f : record.fields) {
        r.fields.push_back({utf8(f.name),
                            utf8(f.caption),
                            utf8(f.text),
                            utf8(f.unit),
                            toJournal(f.role),
                            f.stale,
                            {}});
        if (f.value && std::isfinite(*f.value))
            r.fields.back().value = f.value;
    }
    return r;
}

QString SharedTexts::get(const std::string &utf8)
{
    const auto [it, added] = texts_.try_emplace(utf8);
    if (added)
        it->second = fromUtf8(utf8);
    return it->second;
}

ui::CalculationRecord FromJournal(const journal::Record &r, SharedTexts &shared)
{
    ui::CalculationRecord record;
    // The wall-clock time and offset the record was made with, so that it
    // shows the time the user saw, wherever the program runs later.
    record.time = QDateTime::fromMSecsSinceEpoch(r.time.msecsSinceEpoch, Qt::OffsetFromUTC,
                                                 r.time.offsetSeconds);
    record.page = shared.get(r.page);
    record.calculation = shared.get(r.calculation);
    record.warning = fromUtf8(r.warning);
    record.note = fromUtf8(r.note);
    record.document = shared.get(r.document);
    record.fields.reserve(static_cast<qsizetype>(r.fields.size()));
    for (const journal::Field &f : r.fields) {
        record.fields.append({shared.get(f.name),
                              shared.get(f.caption),
                              fromUtf8(f.text),
                              shared.get(f.unit),
                              fromJournal(f.role),
                              f.stale,
                              {},
                              f.value});
    }
    return record;
}

} // namespace app::record
