#pragma once

#include "losssheet/System.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

namespace app::losssheet {

// The systems of the loss sheet window, as typed: what a work document keeps.
// The window edits them only through this object, so that whoever keeps the
// document learns of every edit (systemsEdited) and can hand over the
// systems of a document opened (setSystems).
class LossSheetModel : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const std::vector<::losssheet::System> &systems() const { return systems_; }
    int count() const { return static_cast<int>(systems_.size()); }
    const ::losssheet::System &system(int index) const;

    // Replaces every system (a document opened): says systemsReset, not
    // systemsEdited, since nothing was edited.
    void setSystems(std::vector<::losssheet::System> systems);

    // The edits; each says systemEdited and systemsEdited. An index outside
    // the list changes nothing.
    void edit(int index, const std::function<void(::losssheet::System &)> &change);
    int add(::losssheet::System system); // at the end; returns its index
    int duplicate(int index);            // after the original, named "… のコピー"(n)
    void remove(int index);

signals:
    void systemsReset();
    void systemAdded(int index);
    void systemRemoved(int index);
    void systemEdited(int index);
    // After every edit of any kind, for whoever keeps the document.
    void systemsEdited();

private:
    bool valid(int index) const { return index >= 0 && index < count(); }

    std::vector<::losssheet::System> systems_;
};

// A name no system of `systems` has: `base` followed by the first free number
// (" 1", " 2", …).
std::string UnusedSystemName(const std::vector<::losssheet::System> &systems,
                             const std::string &base);

} // namespace app::losssheet
