#pragma once

#include "app/record/journal/JournalLine.h"
#include "app/ui/CalculationRecord.h"

#include <string>
#include <unordered_map>

// Between the pages' records (Qt texts) and the journal's lines (UTF-8).
namespace app::record {

journal::Record ToJournal(const ui::CalculationRecord &record, std::string id);

// Texts that repeat from record to record (names, captions, units, pages)
// converted once and shared, which keeps reading thousands of records fast
// and small.
class SharedTexts
{
public:
    QString get(const std::string &utf8);

private:
    std::unordered_map<std::string, QString> texts_;
};

ui::CalculationRecord FromJournal(const journal::Record &record, SharedTexts &shared);

} // namespace app::record
