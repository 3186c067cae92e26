#include "app/losssheet/LossSheetModel.h"

#include "app/ui/UiTexts.h"

#include <algorithm>
#include <stdexcept>

namespace app::losssheet {

using ::losssheet::System;

const System &LossSheetModel::system(int index) const
{
    if (!valid(index))
        throw std::out_of_range("no such system");
    return systems_[static_cast<std::size_t>(index)];
}

void LossSheetModel::setSystems(std::vector<System> systems)
{
    systems_ = std::move(systems);
    emit systemsReset();
}

void LossSheetModel::edit(int index, const std::function<void(System &)> &change)
{
    if (!valid(index))
        return;
    change(systems_[static_cast<std::size_t>(index)]);
    emit systemEdited(index);
    emit systemsEdited();
}

int LossSheetModel::add(System system)
{
    systems_.push_back(std::move(system));
    const int index = count() - 1;
    emit systemAdded(index);
    emit systemsEdited();
    return index;
}

int LossSheetModel::duplicate(int index)
{
    if (!valid(index))
        return -1;
    System copy = systems_[static_cast<std::size_t>(index)];
    const std::string name = copy.name + ui::texts::CopyOf;
    const bool taken = std::any_of(systems_.begin(), systems_.end(),
                                   [&name](const System &s) { return s.name == name; });
    copy.name = taken ? UnusedSystemName(systems_, name) : name;
    systems_.insert(systems_.begin() + index + 1, std::move(copy));
    emit systemAdded(index + 1);
    emit systemsEdited();
    return index + 1;
}

void LossSheetModel::remove(int index)
{
    if (!valid(index))
        return;
    systems_.erase(systems_.begin() + index);
    emit systemRemoved(index);
    emit systemsEdited();
}

std::string UnusedSystemName(const std::vector<System> &systems, const std::string &base)
{
    const auto taken = [&systems](const std::string &name) {
        return std::any_of(systems.begin(), systems.end(),
                           [&name](const System &s) { return s.name == name; });
    };
    for (int n = 1;; ++n) {
        std::string name = base + " " + std::to_string(n);
        if (!taken(name))
            return name;
    }
}

} // namespace app::losssheet
