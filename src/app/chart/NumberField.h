#pragma once

#include <QLineEdit>

namespace app::chart {

// A field for a typed number, never narrower than `characters` digits of its
// own font (with room for the cursor), so "0.0105" or "-12.5" show whole at
// any font and scale.
class NumberField : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberField(const char *name, QWidget *parent = nullptr, int characters = 8);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    int characters_;
};

} // namespace app::chart
