#include "app/ui/TableFace.h"

#include "app/ui/FormControls.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QStringList>
#include <QTableView>

namespace app::ui {

namespace {

// px, the size of the window's fields.
constexpr int TablePixelSize = 13;

// Qt takes the first installed family of a list and the later ones as
// fallbacks for the characters it lacks (only when that first one heads the
// list): the first installed Latin face, then the window's gothic.
QStringList tableFamilies()
{
    const QStringList latin = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Noto Sans"), QStringLiteral("Arial")};
    const QStringList gothic = ControlFont(TablePixelSize).families();
    for (const QString &family : latin) {
        if (QFontDatabase::hasFamily(family))
            return QStringList{family} + gothic;
    }
    return gothic;
}

} // namespace

QFont TableFont()
{
    // The installed fonts do not change while the program runs.
    static const QStringList families = tableFamilies();
    QFont font = ControlFont(TablePixelSize);
    font.setFamilies(families);
    return font;
}

void UseTableFace(QTableView *view)
{
    view->setFont(TableFont());
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
}

} // namespace app::ui
