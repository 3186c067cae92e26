#include "app/chart/ChartWidget.h"

#include "chart/Ranges.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace app::chart {

namespace {

constexpr qreal HitRadius = 8;      // px around a point that pick it
constexpr qreal MinBand = 6;        // px a zoom rectangle must span each way
constexpr double WheelFactor = 0.8; // span per wheel notch, towards the pointer
constexpr double KeyPan = 0.1;      // of the span per arrow key

} // namespace

ChartWidget::ChartWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

::chart::PlotMapping ChartWidget::mapping() const
{
    return renderer_.mapping(QRectF(rect()), scene_.settings.ranges);
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    const ChartColours colours = ChartColours::fromPalette(palette());
    if (background_.size() != pixels || backgroundSettings_ != scene_.settings ||
        backgroundFamilies_ != scene_.families || backgroundBase_ != colours.background.rgb()) {
        background_ = QPixmap(pixels);
        background_.setDevicePixelRatio(dpr);
        QPainter p(&background_);
        renderer_.paintBackground(p, QRectF(rect()), scene_, colours);
        backgroundSettings_ = scene_.settings;
        backgroundFamilies_ = scene_.families;
        backgroundBase_ = colours.background.rgb();
    }
    paintProcessLayer(pixels, dpr, colours);
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    painter.drawPixmap(0, 0, processes_);
    renderer_.paintPoints(painter, QRectF(rect()), scene_, colours);
    if (drag_ == Drag::Band) {
        QColor fill = colours.selection;
        fill.setAlpha(40);
        painter.setPen(QPen(colours.selection, 1, Qt::DashLine));
        painter.setBrush(fill);
        painter.drawRect(QRectF(pressAt_, dragAt_).normalized());
    }
    if (hasFocus()) {
        painter.setPen(QPen(colours.selection, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ChartWidget::paintProcessLayer(QSize pixels, qreal dpr, const ChartColours &colours)
{
    const ::chart::Diagram *diagram = scene_.diagram;
    const std::size_t count = diagram ? diagram->processes().size() : 0;
    const std::uint64_t revision = diagram ? diagram->processRevision() : 0;
    const bool same = processes_.size() == pixels && processesSettings_ == scene_.settings &&
                      processesColour_ == colours.process.rgb() && processesRevision_ == revision &&
                      processesDrawn_ <= count;
    if (same && processesDrawn_ == count)
        return;
    if (!same) {
        processes_ = QPixmap(pixels);
        processes_.setDevicePixelRatio(dpr);
        processes_.fill(Qt::transparent);
        processesDrawn_ = 0;
        processesSettings_ = scene_.settings;
        processesColour_ = colours.process.rgb();
        processesRevision_ = revision;
    }
    QPainter p(&processes_);
    renderer_.paintProcesses(p, QRectF(rect()), scene_, colours, processesDrawn_);
    processesDrawn_ = count;
}

::chart::ChartPoint ChartWidget::snappedAt(QPointF position) const
{
    const ::chart::PlotMapping m = mapping();
    const ::chart::ChartPoint p = m.toChart({position.x(), position.y()});
    return {::chart::SnapToPixelStep(p.t, m.dryBulbPerPixel()),
            std::max(0.0, ::chart::SnapToPixelStep(p.x, m.humidityRatioPerPixel()))};
}

int ChartWidget::pointAt(QPointF position) const
{
    if (!scene_.diagram)
        return 0;
    const ::chart::PlotMapping m = mapping();
    int best = 0;
    qreal bestDistance = HitRadius;
    for (const ::chart::StatePoint &point : scene_.diagram->points()) {
        if (!point.state)
            continue;
        const ::chart::Pixel p = m.toPixel({static_cast<double>(point.state->dryBulb),
                                            static_cast<double>(point.state->humidityRatio)});
        const qreal d = std::hypot(p.x - position.x(), p.y - position.y());
        if (d <= bestDistance) {
            bestDistance = d;
            best = point.id;
        }
    }
    return best;
}

void ChartWidget::mousePressEvent(QMouseEvent *event)
{
    pressAt_ = dragAt_ = event->position();
    if (event->button() == Qt::LeftButton) {
        const int id = pointAt(event->position());
        emit selectionRequested(id);
        const ::chart::StatePoint *point = id ? scene_.diagram->point(id) : nullptr;
        if (point && !point->producedBy) {
            drag_ = Drag::Point;
            dragPoint_ = id;
        } else if (!id) {
            drag_ = Drag::Band;
        }
    } else if (event->button() == Qt::MiddleButton) {
        drag_ = Drag::Pan;
        panStart_ = scene_.settings.ranges;
        setCursor(Qt::ClosedHandCursor);
    }
}

void ChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const ::chart::PlotMapping m = mapping();
    if (m.plot().contains({at.x(), at.y()})) {
        const ::chart::ChartPoint p = snappedAt(at);
        emit cursorMoved(p.t, p.x);
    } else {
        emit cursorLeft();
    }
    switch (drag_) {
    case Drag::Point: {
        const ::chart::ChartPoint p = snappedAt(at);
        emit moveRequested(dragPoint_, p.t, p.x);
        break;
    }
    case Drag::Band:
        dragAt_ = at;
        update();
        break;
    case Drag::Pan: {
        const QPointF d = at - pressAt_;
        emit rangesRequested(
            ::chart::Panned(panStart_, -d.x() / m.plot().width, d.y() / m.plot().height));
        break;
    }
    case Drag::None:
        break;
    }
}

void ChartWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (drag_ == Drag::Band) {
        const QRectF band = QRectF(pressAt_, event->position()).normalized();
        if (band.width() >= MinBand && band.height() >= MinBand) {
            const ::chart::PlotMapping m = mapping();
            const ::chart::ChartPoint a = m.toChart({band.left(), band.top()});
            const ::chart::ChartPoint b = m.toChart({band.right(), band.bottom()});
            emit rangesRequested(::chart::FromCorners(a.t, a.x, b.t, b.x));
        }
    }
    if (drag_ == Drag::Pan)
        setCursor(Qt::CrossCursor);
    drag_ = Drag::None;
    update();
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    drag_ = Drag::None;
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    if (!mapping().plot().contains({at.x(), at.y()}))
        return;
    const ::chart::ChartPoint p = snappedAt(at);
    emit addPointRequested(p.t, p.x);
}

void ChartWidget::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0)
        return;
    const ::chart::ChartPoint about =
        mapping().toChart({event->position().x(), event->position().y()});
    emit rangesRequested(::chart::ZoomedAbout(scene_.settings.ranges, about.t, about.x,
                                              std::pow(WheelFactor, notches)));
    event->accept();
}

void ChartWidget::keyPressEvent(QKeyEvent *event)
{
    const ::chart::Ranges &r = scene_.settings.ranges;
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        emit rangesRequested(::chart::Panned(r, -KeyPan, 0));
        break;
    case Qt::Key_Right:
        emit rangesRequested(::chart::Panned(r, KeyPan, 0));
        break;
    case Qt::Key_Up:
        emit rangesRequested(::chart::Panned(r, 0, KeyPan));
        break;
    case Qt::Key_Down:
        emit rangesRequested(::chart::Panned(r, 0, -KeyPan));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
        const double t = (r.dryBulb.low + r.dryBulb.high) / 2;
        const double x = (r.humidityRatio.low + r.humidityRatio.high) / 2;
        emit rangesRequested(::chart::ZoomedAbout(
            r, t, x, event->key() == Qt::Key_Plus ? WheelFactor : 1 / WheelFactor));
        break;
    }
    case Qt::Key_Home:
        emit homeRequested();
        break;
    case Qt::Key_Delete:
        if (scene_.selectedPoint)
            emit deleteRequested(scene_.selectedPoint);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ChartWidget::leaveEvent(QEvent *event)
{
    emit cursorLeft();
    QWidget::leaveEvent(event);
}

void ChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace app::chart
