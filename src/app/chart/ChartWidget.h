#pragma once

#include "app/chart/ChartRenderer.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace app::chart {

// The chart on screen: paints the scene it is given and turns the mouse and
// keys into requests (add, move, select, delete a point; zoom and pan). The
// lines are drawn once into a pixmap per change of settings, families, size
// or palette; the processes into a second one per change of them (a process
// added after the others is drawn onto it alone), so a frame that changes
// neither, or only adds a process, costs about the points over them.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget *parent = nullptr);

    // The scene to show; `diagram` stays owned by the caller.
    ChartScene &scene() { return scene_; }
    const ChartScene &scene() const { return scene_; }
    // Call after changing the scene.
    void sceneChanged() { update(); }

    ChartRenderer &renderer() { return renderer_; }
    ::chart::PlotMapping mapping() const;

    QSize sizeHint() const override { return {900, 620}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

signals:
    void rangesRequested(const ::chart::Ranges &ranges);
    void homeRequested();
    void addPointRequested(double t, double x);
    void moveRequested(int pointId, double t, double x);
    void selectionRequested(int pointId);
    void deleteRequested(int pointId);
    void copyRequested();
    // The pointer is over the plot at (t, x), or has left it.
    void cursorMoved(double t, double x);
    void cursorLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Brings the pixmap of the processes up to date.
    void paintProcessLayer(QSize pixels, qreal dpr, const ChartColours &colours);
    // The state at a pixel, snapped to the decimal step below a pixel.
    ::chart::ChartPoint snappedAt(QPointF position) const;
    int pointAt(QPointF position) const;

    ChartScene scene_;
    ChartRenderer renderer_;
    QPixmap background_;
    // What the pixmap shows.
    ::chart::ChartSettings backgroundSettings_;
    ::chart::FamilySwitches backgroundFamilies_{};
    QRgb backgroundBase_ = 0;
    // The processes over it, and what that pixmap shows.
    QPixmap processes_;
    ::chart::ChartSettings processesSettings_;
    QRgb processesColour_ = 0;
    std::uint64_t processesRevision_ = 0;
    std::size_t processesDrawn_ = 0;

    enum class Drag { None, Point, Band, Pan } drag_ = Drag::None;
    int dragPoint_ = 0;
    QPointF pressAt_;
    QPointF dragAt_;
    ::chart::Ranges panStart_;
};

} // namespace app::chart
