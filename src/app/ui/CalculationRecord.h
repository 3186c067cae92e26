#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace app::ui {

// What a field or option of a page is to a calculation.
enum class FieldRole {
    Input,  // a typed value the calculation read
    Option, // a choice that decided it (a list, a radio button pair, a check box)
    Result, // a value the calculation wrote
};

// One field of a page as the user sees it now.
struct FieldValue
{
    QString name;    // the control's objectName ("S_Fryo"); for an option of a
                     // radio button pair the name of the pair's first button
    QString caption; // what the page calls it (the air volume, the material)
    QString text;    // exactly as shown ("3600", "0.064", an option's text)
    QString unit;    // the unit shown beside it ("m3/h", "Pa/m"), or empty
    FieldRole role = FieldRole::Input;
    // A result whose inputs changed after it was calculated: it no longer
    // matches what the page shows, and a copy must not present it as
    // current. Never set in a record, which is made as the calculation ends.
    bool stale = false;
    QString section; // the section of the page it belongs to (its title), or
                     // empty for the options at the top of the page
    // In a record, the number the text was written from (or read as), in
    // full, where the page shows fewer digits than the outputs beyond it
    // print: the moist-air page's humidity ratios (0.011 shown, 0.0105291
    // kept). Empty for every other field, and in records made before.
    std::optional<double> value;
};

// One calculation that completed on a page: what it read and what it wrote,
// each with its caption, text and unit as the page showed them at that moment.
struct CalculationRecord
{
    QDateTime time;
    QString page;        // the page's tab caption
    QString calculation; // what was calculated (the section and the sizing basis)
    // Inputs and options first, then the results, each in the page's order.
    QList<FieldValue> fields;
    // The warning the calculation ended in, when it warned and still wrote
    // its results; empty otherwise.
    QString warning;
    QString note; // the user's note, typed later in the record window
    // The name of the work document open when it was made (事務所ビル.zefra, say);
    // empty for none, and for an untitled document.
    QString document;
};

} // namespace app::ui
