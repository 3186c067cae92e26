#include "app/chart/ChartRenderer.h"

#include "air/AirTexts.h"
#include "app/ui/Fonts.h"
#include "chart/ChartTexts.h"
#include "chart/LabelPlacer.h"
#include "chart/Sampling.h"
#include "chart/TableTexts.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace app::chart {

namespace {

using ::chart::Family;
using ::chart::Index;

QPointF ToQt(::chart::Pixel p)
{
    return {p.x, p.y};
}

::chart::Rect ToRect(const QRectF &r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

QRectF ToQt(const ::chart::Rect &r)
{
    return {r.left, r.top, r.width, r.height};
}

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

// A property of moist air with its unit, as the lists' headers write it.
QString Captioned(const char *property, const char *unit)
{
    return Utf8(::chart::WithUnit(property, unit));
}

// Pen widths in logical pixels: minor and major lines of each family.
constexpr qreal MinorWidth[::chart::FamilyCount] = {0.5, 0.7, 0.7, 0.7, 0.7, 1.0, 1.8, 1.0};
constexpr qreal MajorWidth[::chart::FamilyCount] = {0.9, 1.2, 1.1, 1.1, 1.1, 1.0, 1.8, 1.0};

// The order the families are drawn in: grid first, saturation last.
constexpr Family DrawOrder[] = {Family::Grid,     Family::RelativeHumidity, Family::SpecificVolume,
                                Family::Enthalpy, Family::WetBulb,          Family::Saturation};

// How far outside the plot, px, a process or point may still show: a line's
// width, an arrowhead, a marker.
constexpr double NearPixels = 16;

// The view widened by `pixels` on every side.
::chart::Ranges Widened(const ::chart::PlotMapping &m, double pixels)
{
    const ::chart::Ranges &r = m.ranges();
    const double dt = m.dryBulbPerPixel() * pixels;
    const double dx = m.humidityRatioPerPixel() * pixels;
    return {{r.dryBulb.low - dt, r.dryBulb.high + dt},
            {r.humidityRatio.low - dx, r.humidityRatio.high + dx}};
}

bool Inside(const ::chart::Ranges &r, const ::chart::ChartPoint &p)
{
    return p.t >= r.dryBulb.low && p.t <= r.dryBulb.high && p.x >= r.humidityRatio.low &&
           p.x <= r.humidityRatio.high;
}

void Arrowhead(QPainter &painter, QPointF from, QPointF to, qreal size)
{
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length < 1e-6)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    painter.drawPolygon(
        QPolygonF({to, to - u * size + n * size * 0.45, to - u * size - n * size * 0.45}));
}

// Readies the painter for the processes and points: antialiased, clipped
// to the plot and a pixel around it, in the points' font. The caller saves
// and restores the painter.
void ReadyForMarks(QPainter &painter, const ::chart::PlotMapping &m, const QFont &font)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(ToQt(m.plot()).adjusted(-1, -1, 1, 1));
    painter.setFont(font);
}

} // namespace

QString PressureText(long double mmHg, bool conventional)
{
    const long double shown = conventional ? mmHg : mmHg * numeric::KPaPerMmHg;
    return Utf8(::chart::WithUnit(numeric::FormatFixed(shown, numeric::ResultDecimals),
                                  air::texts::PressureUnit(conventional)));
}

QString FamilyCaption(Family family, bool conventional)
{
    using namespace air::texts;
    switch (family) {
    case Family::Grid:
        return QStringLiteral("格子（乾球温度・絶対湿度）");
    case Family::RelativeHumidity:
        return Captioned(RelativeHumidity, Percent);
    case Family::SpecificVolume:
        return Captioned(SpecificVolume, SpecificVolumeUnit);
    case Family::Enthalpy:
        return Captioned(Enthalpy, EnthalpyUnit(conventional));
    case Family::WetBulb:
        return Captioned(WetBulb, Celsius);
    case Family::DewPoint:
        return Captioned(DewPoint, Celsius);
    case Family::Saturation:
        return QStringLiteral("飽和曲線");
    case Family::ShfScale:
        break;
    }
    return QStringLiteral("SHF 目盛（基準点 26℃・50％）");
}

ChartRenderer::ChartRenderer()
    : labelFont_(ui::GothicFont(11)), axisFont_(ui::GothicFont(12)),
      captionFont_(ui::GothicFont(13, true)), titleFont_(ui::GothicFont(15, true)),
      pointFont_(ui::GothicFont(13, true))
{
}

::chart::PlotMapping ChartRenderer::mapping(const QRectF &area, const ::chart::Ranges &ranges) const
{
    const QFontMetricsF axis(axisFont_);
    const QFontMetricsF title(titleFont_);
    const qreal top = area.top() + title.height() * 1.6;
    const qreal bottom = area.bottom() - axis.height() * 2.9;
    const qreal right =
        area.right() - (axis.horizontalAdvance(QStringLiteral("0.000")) +
                        axis.horizontalAdvance(QStringLiteral("000")) + axis.height() + 44);
    const qreal left = area.left() + 12;
    return {ranges,
            {left, top, std::max<qreal>(right - left, 10), std::max<qreal>(bottom - top, 10)}};
}

void ChartRenderer::prepareFrame(const QRectF &area, const ChartScene &scene)
{
    const ::chart::LineFamilies &lines = cache_.get(scene.settings);
    if (frame_.valid && frame_.area == area && frame_.settings == scene.settings &&
        frame_.families == scene.families && frame_.buildsSeen == cache_.builds())
        return;
    frame_ = Frame{};
    frame_.valid = true;
    frame_.area = area;
    frame_.settings = scene.settings;
    frame_.families = scene.families;
    frame_.buildsSeen = cache_.builds();
    const ::chart::PlotMapping m = mapping(area, scene.settings.ranges);

    for (const ::chart::Polyline &line : lines.lines) {
        if (line.points.size() < 2)
            continue;
        QPainterPath &path = frame_.paths[Index(line.family)][line.major ? 1 : 0];
        path.moveTo(ToQt(m.toPixel(line.points.front())));
        for (std::size_t i = 1; i < line.points.size(); ++i)
            path.lineTo(ToQt(m.toPixel(line.points[i])));
    }

    // Labels, most important first; each keeps clear of those before it.
    const QFontMetricsF fm(labelFont_);
    ::chart::LabelPlacer placer(m.plot());
    if (scene.families[Index(Family::Enthalpy)]) {
        const QFontMetricsF caption(captionFont_);
        const QString text = FamilyCaption(Family::Enthalpy, scene.settings.conventionalUnits);
        frame_.enthalpyCaption = QRectF(m.plot().left + 8, m.plot().top + 6,
                                        caption.horizontalAdvance(text) + 6, caption.height());
        placer.reserve(ToRect(frame_.enthalpyCaption));
    }
    if (scene.families[Index(Family::ShfScale)]) {
        for (const ::chart::ShfTick &tick : lines.shfTicks) {
            if (!tick.labelled)
                continue;
            const QString text = Utf8(tick.text);
            const qreal w = fm.horizontalAdvance(text) + 4;
            const ::chart::Pixel p = m.toPixel(tick.at);
            const ::chart::Side side = tick.onTop ? ::chart::Side::Below : ::chart::Side::Left;
            if (const auto box = placer.place({p.x, p.y}, w, fm.height(), side, 10))
                frame_.labels.push_back({ToQt(*box), text, Index(Family::ShfScale)});
        }
    }
    std::vector<const ::chart::LabelCandidate *> order;
    for (const auto &candidate : lines.labels) {
        if (scene.families[Index(candidate.family)])
            order.push_back(&candidate);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](auto *a, auto *b) { return a->priority > b->priority; });
    for (const ::chart::LabelCandidate *candidate : order) {
        const QString text = Utf8(candidate->text);
        const qreal w = fm.horizontalAdvance(text) + 4;
        const qreal h = fm.height();
        for (const ::chart::ChartPoint &anchor : candidate->anchors) {
            if (const auto box = placer.place(m.toPixel(anchor), w, h, candidate->side, 2)) {
                frame_.labels.push_back({ToQt(*box), text, Index(candidate->family)});
                break;
            }
        }
    }
}

void ChartRenderer::paintBackground(QPainter &painter, const QRectF &area, const ChartScene &scene,
                                    const ChartColours &colours)
{
    prepareFrame(area, scene);
    const ::chart::LineFamilies &lines = cache_.get(scene.settings);
    const ::chart::PlotMapping m = mapping(area, scene.settings.ranges);
    const QRectF plot = ToQt(m.plot());

    painter.save();
    painter.fillRect(area, colours.background);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(plot);
    painter.setBrush(Qt::NoBrush);
    for (Family family : DrawOrder) {
        if (!scene.families[Index(family)])
            continue;
        // The grid runs along the pixel axes and needs no smoothing.
        painter.setRenderHint(QPainter::Antialiasing, family != Family::Grid);
        for (int major = 0; major < 2; ++major) {
            const QPainterPath &path = frame_.paths[Index(family)][major];
            if (path.isEmpty())
                continue;
            QPen pen(major ? colours.familiesMajor[Index(family)] : colours.families[Index(family)],
                     major ? MajorWidth[Index(family)] : MinorWidth[Index(family)]);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter.setPen(pen);
            painter.drawPath(path);
        }
    }
    if (scene.families[Index(Family::DewPoint)]) {
        // Short marks across the saturation curve: the dew point of every
        // state on the same horizontal line.
        painter.setPen(QPen(colours.families[Index(Family::DewPoint)], 1.0));
        for (const ::chart::ChartPoint &mark : lines.dewPointMarks) {
            const QPointF p = ToQt(m.toPixel(mark));
            painter.drawLine(p - QPointF(3, 0), p + QPointF(4, 0));
        }
    }
    if (scene.families[Index(Family::ShfScale)])
        paintShfScale(painter, m, lines, colours);
    painter.setClipping(false);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colours.frame, 1.0));
    painter.drawRect(plot);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // Labels on a patch of the background, so no line runs through them.
    painter.setFont(labelFont_);
    for (const PlacedLabel &label : frame_.labels) {
        painter.fillRect(label.box, colours.background);
        painter.setPen(colours.familiesMajor[label.family]);
        painter.drawText(label.box, Qt::AlignCenter, label.text);
    }
    if (!frame_.enthalpyCaption.isEmpty()) {
        painter.setFont(captionFont_);
        painter.fillRect(frame_.enthalpyCaption, colours.background);
        painter.setPen(colours.familiesMajor[Index(Family::Enthalpy)]);
        painter.drawText(frame_.enthalpyCaption, Qt::AlignLeft | Qt::AlignVCenter,
                         FamilyCaption(Family::Enthalpy, scene.settings.conventionalUnits));
    }
    paintAxes(painter, m, scene, lines, colours);
    painter.restore();
}

void ChartRenderer::paintShfScale(QPainter &painter, const ::chart::PlotMapping &m,
                                  const ::chart::LineFamilies &lines,
                                  const ChartColours &colours) const
{
    if (!lines.shfReference)
        return;
    const QColor colour = colours.families[Index(Family::ShfScale)];
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(Qt::NoBrush);
    const QPointF reference = ToQt(m.toPixel(*lines.shfReference));
    painter.drawEllipse(reference, 3.5, 3.5);
    for (const ::chart::ShfTick &tick : lines.shfTicks) {
        const QPointF p = ToQt(m.toPixel(tick.at));
        const qreal length = tick.labelled ? 9 : 5;
        const QPointF inward = tick.onTop ? QPointF(0, length) : QPointF(-length, 0);
        painter.drawLine(p, p + inward);
    }
}

void ChartRenderer::paintAxes(QPainter &painter, const ::chart::PlotMapping &m,
                              const ChartScene &scene, const ::chart::LineFamilies &lines,
                              const ChartColours &colours) const
{
    const QRectF plot = ToQt(m.plot());
    const QFontMetricsF fm(axisFont_);
    painter.setFont(axisFont_);
    painter.setPen(QPen(colours.text, 1.0));

    // Dry bulb along the bottom.
    for (const ::chart::Tick &tick : lines.dryBulbTicks) {
        const qreal x = m.pixelX(tick.value);
        painter.drawLine(QPointF(x, plot.bottom()),
                         QPointF(x, plot.bottom() + (tick.labelled ? 5 : 2.5)));
        if (tick.labelled) {
            const QString text = Utf8(tick.text);
            const qreal w = fm.horizontalAdvance(text);
            painter.drawText(QRectF(x - w / 2 - 2, plot.bottom() + 6, w + 4, fm.height()),
                             Qt::AlignCenter, text);
        }
    }
    painter.setFont(captionFont_);
    const QFontMetricsF caption(captionFont_);
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + 6 + fm.height(), plot.width(), caption.height() + 2),
        Qt::AlignCenter, Captioned(air::texts::DryBulb, air::texts::Celsius));

    // Humidity ratio up the right-hand side, in kg/kg and in g/kg.
    painter.setFont(axisFont_);
    const qreal kgWidth = fm.horizontalAdvance(QStringLiteral("0.000"));
    const qreal gramLeft = plot.right() + 8 + kgWidth + 8;
    for (std::size_t i = 0; i < lines.humidityRatioTicks.size(); ++i) {
        const ::chart::Tick &tick = lines.humidityRatioTicks[i];
        const qreal y = m.pixelY(tick.value);
        painter.setPen(QPen(colours.text, 1.0));
        painter.drawLine(QPointF(plot.right(), y),
                         QPointF(plot.right() + (tick.labelled ? 5 : 2.5), y));
        if (!tick.labelled)
            continue;
        const QRectF kg(plot.right() + 7, y - fm.height() / 2, kgWidth + 2, fm.height());
        painter.drawText(kg, Qt::AlignRight | Qt::AlignVCenter, Utf8(tick.text));
        QColor grams = colours.text;
        grams.setAlphaF(0.6);
        painter.setPen(grams);
        painter.drawText(QRectF(gramLeft, y - fm.height() / 2,
                                fm.horizontalAdvance(QStringLiteral("000")) + 2, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, Utf8(lines.gramTicks[i].text));
    }
    painter.setPen(colours.text);
    painter.setFont(captionFont_);
    painter.save();
    const qreal captionX = gramLeft + fm.horizontalAdvance(QStringLiteral("000")) + 14;
    painter.translate(captionX + caption.height() / 2, plot.center().y());
    painter.rotate(90);
    painter.drawText(
        QRectF(-plot.height() / 2, -caption.height() / 2, plot.height(), caption.height()),
        Qt::AlignCenter, QStringLiteral("絶対湿度 kg/kg（g/kg）"));
    painter.restore();

    // Title and pressure.
    painter.setFont(titleFont_);
    const QFontMetricsF title(titleFont_);
    const QString name = QString::fromUtf8(::chart::texts::WindowTitle);
    painter.drawText(QRectF(plot.left(), m.plot().top - title.height() * 1.45,
                            title.horizontalAdvance(name) + 4, title.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    // The pressure may run on over the axes at the right, up to the axis
    // caption's edge: a narrow chart still shows it whole.
    painter.setFont(axisFont_);
    const qreal pressureLeft = plot.left() + title.horizontalAdvance(name) + 16;
    painter.drawText(QRectF(pressureLeft, m.plot().top - title.height() * 1.45,
                            captionX + caption.height() - pressureLeft, title.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(air::texts::Pressure) + QLatin1Char(' ') +
                         PressureText(scene.settings.pressure, scene.settings.conventionalUnits));
}

void ChartRenderer::paintOverlay(QPainter &painter, const QRectF &area, const ChartScene &scene,
                                 const ChartColours &colours) const
{
    paintProcesses(painter, area, scene, colours, 0);
    paintPoints(painter, area, scene, colours);
}

void ChartRenderer::paintProcesses(QPainter &painter, const QRectF &area, const ChartScene &scene,
                                   const ChartColours &colours, std::size_t first) const
{
    if (!scene.diagram)
        return;
    const ::chart::PlotMapping m = mapping(area, scene.settings.ranges);
    painter.save();
    ReadyForMarks(painter, m, pointFont_);
    const QFontMetricsF fm(pointFont_);

    // What lies this far outside the plot may still show (a line's width, an
    // arrowhead); everything beyond is left out before it reaches the
    // painter, so a zoomed view costs what it shows, not the pixel length of
    // the processes running far outside it.
    const ::chart::Ranges near = Widened(m, NearPixels);
    const auto drawClipped = [&](const std::vector<::chart::ChartPoint> &line) {
        for (const auto &piece : ::chart::ClipToView(line, near)) {
            QPolygonF polygon;
            polygon.reserve(static_cast<int>(piece.size()));
            for (const auto &p : piece)
                polygon << ToQt(m.toPixel(p));
            painter.drawPolyline(polygon);
        }
    };
    // A coil's ADP is labelled to its lower left, an SHF line's to its lower
    // right: the two often lie close together when a coil serves the room.
    const auto markAdp = [&](const air::AirState &adp, bool right) {
        const ::chart::ChartPoint at{static_cast<double>(adp.dryBulb),
                                     static_cast<double>(adp.humidityRatio)};
        if (!Inside(near, at))
            return;
        const QPointF p = ToQt(m.toPixel(at));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(p, 3.5, 3.5);
        const QString label = QStringLiteral("ADP");
        const qreal w = fm.horizontalAdvance(label) + 2;
        painter.drawText(QRectF(right ? p.x() + 3 : p.x() - 3 - w, p.y() + 2, w, fm.height()),
                         (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop, label);
    };

    const auto &processes = scene.diagram->processes();
    for (std::size_t i = first; i < processes.size(); ++i) {
        const ::chart::Process &process = processes[i];
        const auto kind = process.definition.kind;
        if (kind == ::chart::ProcessKind::ShfLine) {
            painter.setPen(QPen(colours.process, 1.4, Qt::DashDotLine));
            drawClipped(scene.diagram->path(process, scene.settings.ranges));
            if (process.apparatusDewPoint && process.problem.empty())
                markAdp(*process.apparatusDewPoint, true);
            continue;
        }
        const std::vector<::chart::ChartPoint> &path = process.airPath;
        if (path.size() < 2 || !process.problem.empty())
            continue;
        const bool coil =
            kind == ::chart::ProcessKind::Coil && process.apparatusDewPoint && path.size() == 3;
        std::vector<::chart::ChartPoint> air = path;
        if (coil) {
            air.resize(2);
            painter.setPen(QPen(colours.process, 1.2, Qt::DashLine));
            drawClipped({path[1], path[2]});
            markAdp(*process.apparatusDewPoint, false);
        }
        painter.setPen(QPen(colours.process, 2.0, Qt::SolidLine, Qt::RoundCap));
        drawClipped(air);
        if (kind != ::chart::ProcessKind::Mixing && Inside(near, air.back())) {
            painter.setBrush(colours.process);
            Arrowhead(painter, ToQt(m.toPixel(air[air.size() - 2])), ToQt(m.toPixel(air.back())),
                      9);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.restore();
}

void ChartRenderer::paintPoints(QPainter &painter, const QRectF &area, const ChartScene &scene,
                                const ChartColours &colours) const
{
    const ::chart::PlotMapping m = mapping(area, scene.settings.ranges);
    painter.save();
    ReadyForMarks(painter, m, pointFont_);
    const QFontMetricsF fm(pointFont_);
    const ::chart::Ranges near = Widened(m, NearPixels);

    if (scene.diagram) {
        for (const ::chart::StatePoint &point : scene.diagram->points()) {
            if (!point.state || !Inside(near, {static_cast<double>(point.state->dryBulb),
                                               static_cast<double>(point.state->humidityRatio)}))
                continue;
            const QPointF p = ToQt(m.toPixel({static_cast<double>(point.state->dryBulb),
                                              static_cast<double>(point.state->humidityRatio)}));
            if (point.id == scene.selectedPoint) {
                painter.setPen(QPen(colours.selection, 2.0));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(p, 8, 8);
            }
            const QColor colour = point.problem.empty() ? colours.point : colours.problem;
            painter.setPen(QPen(colours.background, 1.0));
            painter.setBrush(colour);
            painter.drawEllipse(p, 4.5, 4.5);
            const QString label = Utf8(point.label);
            const QRectF box(p.x() + 7, p.y() - fm.height() - 2, fm.horizontalAdvance(label) + 4,
                             fm.height());
            QColor halo = colours.background;
            halo.setAlpha(200);
            painter.fillRect(box, halo);
            painter.setPen(colour);
            painter.drawText(box, Qt::AlignCenter, label);
        }
    }
    if (scene.current) {
        const QPointF p = ToQt(m.toPixel({static_cast<double>(scene.current->dryBulb),
                                          static_cast<double>(scene.current->humidityRatio)}));
        painter.setPen(QPen(colours.current, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(p, 6.5, 6.5);
        painter.drawLine(p - QPointF(11, 0), p - QPointF(4, 0));
        painter.drawLine(p + QPointF(4, 0), p + QPointF(11, 0));
        painter.drawLine(p - QPointF(0, 11), p - QPointF(0, 4));
        painter.drawLine(p + QPointF(0, 4), p + QPointF(0, 11));
        const QString label = QStringLiteral("現在");
        const QRectF box(p.x() + 9, p.y() + 4, fm.horizontalAdvance(label) + 4, fm.height());
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.restore();
}

qreal ChartRenderer::paintLegend(QPainter *painter, const QRectF &area, const ChartScene &scene,
                                 const ChartColours &colours) const
{
    const QFontMetricsF fm(axisFont_);
    const qreal rowHeight = fm.height() + 6;
    const qreal swatch = 26;
    qreal x = area.left(), y = area.top() + 4;
    const auto next = [&](qreal width) {
        if (x + width > area.right() && x > area.left()) {
            x = area.left();
            y += rowHeight;
        }
        const QPointF at(x, y + rowHeight / 2);
        x += width + 18;
        return at;
    };
    if (painter) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setFont(axisFont_);
    }
    constexpr Family Order[] = {
        Family::Saturation,     Family::RelativeHumidity, Family::WetBulb,  Family::Enthalpy,
        Family::SpecificVolume, Family::DewPoint,         Family::ShfScale, Family::Grid};
    for (Family family : Order) {
        if (!scene.families[Index(family)])
            continue;
        const QString text = FamilyCaption(family, scene.settings.conventionalUnits);
        const QPointF at = next(swatch + 6 + fm.horizontalAdvance(text));
        if (!painter)
            continue;
        painter->setPen(
            QPen(colours.familiesMajor[Index(family)], MajorWidth[Index(family)] + 0.6));
        painter->drawLine(at, at + QPointF(swatch, 0));
        painter->setPen(colours.text);
        painter->drawText(QRectF(at.x() + swatch + 6, at.y() - rowHeight / 2,
                                 fm.horizontalAdvance(text) + 2, rowHeight),
                          Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    const QString marks[3] = {QString::fromUtf8(::chart::texts::PointsTitle),
                              QStringLiteral("現在の状態（空気の状態値計算）"),
                              QStringLiteral("工程（SHF線は一点鎖線）")};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = next(swatch + 6 + fm.horizontalAdvance(marks[i]));
        if (!painter)
            continue;
        const QPointF centre = at + QPointF(swatch / 2, 0);
        if (i == 0) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colours.point);
            painter->drawEllipse(centre, 4.5, 4.5);
        } else if (i == 1) {
            painter->setPen(QPen(colours.current, 2.0));
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(centre, 6, 6);
        } else {
            painter->setPen(QPen(colours.process, 2.0));
            painter->drawLine(at, at + QPointF(swatch, 0));
        }
        painter->setBrush(Qt::NoBrush);
        painter->setPen(colours.text);
        painter->drawText(QRectF(at.x() + swatch + 6, at.y() - rowHeight / 2,
                                 fm.horizontalAdvance(marks[i]) + 2, rowHeight),
                          Qt::AlignLeft | Qt::AlignVCenter, marks[i]);
    }
    if (painter)
        painter->restore();
    return y + rowHeight + 4 - area.top();
}

} // namespace app::chart
