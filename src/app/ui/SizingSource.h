#pragma once

#include <QString>

#include <optional>

namespace app::ui {

// A size chosen in the size table, as the texts the user would type into a
// loss section: the row brings its shape.
struct SizeChoice
{
    enum class Kind { Round, Rectangle, Pipe };
    Kind kind = Kind::Pipe;
    QString sizeA;      // the diameter of a round duct, or the first side, mm
    QString sizeB;      // the second side, mm
    int sizeIndex = -1; // a pipe's nominal size, as the size list's index
};

// A page whose sizing the size table lists (the duct and pipe pages): the
// inputs of its last sizing and the rows' basis, and its loss section, which
// computes a size chosen in the table. `Inputs` are what its sizing routine
// takes. The page says through CalcPage::sizingChanged when this changes.
template <typename Inputs> class SizingSource
{
public:
    struct Sizing
    {
        bool sized = false; // the sizing section has sized since the start
        // The inputs it would read now, as its routine takes them; nothing
        // when a field holds no plain number.
        std::optional<Inputs> inputs;
        bool velocityBasis = false;    // the rows' basis: velocity, else loss
        bool conventionalUnits = true; // losses in mmAq/m, else Pa/m
        QString material;              // the material's list item; may be empty
        QString temperature;           // the water temperature's list item, ℃
    };

    virtual Sizing lastSizing() const = 0;
    // The size into the loss section with the flow it was chosen for (as
    // typed), computed there as Enter computes it.
    virtual void computeLossOf(const SizeChoice &size, const QString &flow) = 0;

protected:
    ~SizingSource() = default;
};

} // namespace app::ui
