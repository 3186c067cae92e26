#pragma once

#include "air/AirState.h"
#include "app/chart/ChartColours.h"
#include "chart/Diagram.h"
#include "chart/LineFamilies.h"
#include "chart/PlotMapping.h"

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace app::chart {

// What one drawing of the chart shows.
struct ChartScene
{
    ::chart::ChartSettings settings;
    ::chart::FamilySwitches families = ::chart::AllFamilies;
    const ::chart::Diagram *diagram = {};
    std::optional<air::AirState> current; // the moist-air page's last state
    int selectedPoint = 0;
};

// Draws the chart with QPainter: the one routine behind the screen, PNG,
// SVG, the clipboard, print and PDF. Coordinates are logical pixels; a
// printer's painter is scaled to them first. The line families come from a
// cache of the pure model, their pixel paths and placed labels from a cache
// of their own, so a frame that changes only points costs little.
class ChartRenderer
{
public:
    ChartRenderer();

    // The plot inside `area`, with room for the title and the axes.
    ::chart::PlotMapping mapping(const QRectF &area, const ::chart::Ranges &ranges) const;

    // Lines, labels, scales, axes and title: what depends on the settings,
    // the families shown and the area only.
    void paintBackground(QPainter &painter, const QRectF &area, const ChartScene &scene,
                         const ChartColours &colours);
    // Processes, state points and the current point.
    void paintOverlay(QPainter &painter, const QRectF &area, const ChartScene &scene,
                      const ChartColours &colours) const;
    // The two parts of the overlay: the processes from the `first` on (each
    // drawn over those before it), and the points over them.
    void paintProcesses(QPainter &painter, const QRectF &area, const ChartScene &scene,
                        const ChartColours &colours, std::size_t first) const;
    void paintPoints(QPainter &painter, const QRectF &area, const ChartScene &scene,
                     const ChartColours &colours) const;
    void paint(QPainter &painter, const QRectF &area, const ChartScene &scene,
               const ChartColours &colours)
    {
        paintBackground(painter, area, scene, colours);
        paintOverlay(painter, area, scene, colours);
    }

    // The legend under an exported or printed chart; returns its height.
    qreal paintLegend(QPainter *painter, const QRectF &area, const ChartScene &scene,
                      const ChartColours &colours) const;

    const ::chart::LineFamilies &families(const ::chart::ChartSettings &settings)
    {
        return cache_.get(settings);
    }
    int familyBuilds() const { return cache_.builds(); }

private:
    struct PlacedLabel
    {
        QRectF box;
        QString text;
        int family = 0;
    };
    // Pixel paths and label places for one area and one set of families.
    struct Frame
    {
        bool valid = false;
        ::chart::ChartSettings settings;
        ::chart::FamilySwitches families{};
        QRectF area;
        int buildsSeen = -1;
        QPainterPath paths[::chart::FamilyCount][2]; // minor, major
        std::vector<PlacedLabel> labels;
        QRectF enthalpyCaption;
    };
    void prepareFrame(const QRectF &area, const ChartScene &scene);
    void paintAxes(QPainter &painter, const ::chart::PlotMapping &m, const ChartScene &scene,
                   const ::chart::LineFamilies &lines, const ChartColours &colours) const;
    void paintShfScale(QPainter &painter, const ::chart::PlotMapping &m,
                       const ::chart::LineFamilies &lines, const ChartColours &colours) const;

    ::chart::LineFamilyCache cache_;
    Frame frame_;
    QFont labelFont_;
    QFont axisFont_;
    QFont captionFont_;
    QFont titleFont_;
    QFont pointFont_;
};

// Captions of the chart, shared with the window's menu and the legend.
QString FamilyCaption(::chart::Family family, bool conventionalUnits);
QString PressureText(long double mmHg, bool conventionalUnits);

} // namespace app::chart
