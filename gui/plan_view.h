#pragma once
// The plan view: draws a PlanScene north up with QPainter. Wheel zooms
// about the cursor, dragging pans, hovering a point shows its label,
// station and offset. The line and the points are reduced to the screen's
// resolution before drawing, so a long line with many points stays quick.

#include <memory>
#include <optional>
#include <vector>

#include <QWidget>

#include "drawing/plan_scene.h"
#include "drawing/plan_viewport.h"

namespace vomel::gui {
using drawing::LabelPlacer;
using drawing::PlanBounds;
using drawing::PlanLineDetail;
using drawing::PlanPoint;
using drawing::PlanPointGroup;
using drawing::PlanPointIndex;
using drawing::PlanProjectLine;
using drawing::PlanScene;
using drawing::PlanViewport;

// Pixels around the line when the view is fitted; the scale bar and the
// north arrow take a band of PLAN_LEGEND_HEIGHT at the bottom left, kept
// clear of the fitted line and of every label.
inline constexpr double PLAN_FIT_MARGIN = 40.0;
inline constexpr double PLAN_LEGEND_WIDTH = 210.0;
inline constexpr double PLAN_LEGEND_HEIGHT = 80.0;
// Below the fitted line: the legend and room for the half of a mark (at most
// 6 px) that reaches past the point it marks.
inline constexpr double PLAN_FIT_BOTTOM_MARGIN = PLAN_LEGEND_HEIGHT + 10.0;
// A project's marks of unassigned and ambiguous points, at the bottom right
// within the same band.
inline constexpr double PLAN_PROJECT_LEGEND_WIDTH = 150.0;
inline constexpr double PLAN_PROJECT_LEGEND_HEIGHT = 52.0;

// Text of the file's bytes for the screen: UTF-8 when it is valid UTF-8,
// else GBK (GB18030), the code page of the survey files.
QString textFromFileBytes(const std::string& bytes);

// What hovering a point shows; in a project's scene, with its line.
QString hoverText(const PlanPoint& point);
QString hoverText(const PlanPoint& point, const PlanScene& scene);

class PlanView : public QWidget {
    Q_OBJECT

public:
    explicit PlanView(QWidget* parent = nullptr);
    ~PlanView() override;

    // Shows a new scene; the view is fitted to it when `fit` is set or when
    // its line is not the one shown before.
    void setScene(std::shared_ptr<const PlanScene> scene, bool fit);
    const PlanScene* scene() const { return scene_.get(); }
    void fitAll();
    // Shows the plane rectangle `bounds` whole, as large as it fits.
    void showBounds(const PlanBounds& bounds);
    // Zooms by `factor` (> 1 closer) about the screen position `anchor`.
    void zoomAt(QPointF anchor, double factor);

    const PlanViewport& viewport() const { return viewport_; }
    // The hovered point, as hover tests see it.
    std::optional<std::size_t> pointAt(QPoint position) const;

    // The picture at the view's size, as saved to PNG.
    QImage render() const;
    // Where the scale bar and the north arrow stand, in the view's pixels.
    QRectF legendArea() const;
    // Where a project's marks of unassigned and ambiguous points stand.
    QRectF projectLegendArea() const;
    // The scale bar's label: its length in the line's unit ("50 m", "200 ft").
    QString scaleBarText() const;

signals:
    // The plane position under the cursor.
    void cursorMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // One paint, in its layers: the line, the marks and their labels, the
    // station ticks, the run's points, the scale bar and north arrow.
    void paint(QPainter& painter) const;
    static bool onScreen(const PlanBounds& visible, Point p);
    void paintLine(QPainter& painter, LabelPlacer& placer) const;
    // A project's other lines, thin in their colours, and every line's name.
    void paintProjectLines(QPainter& painter, LabelPlacer& placer) const;
    void paintProjectNames(QPainter& painter, LabelPlacer& placer) const;
    // The marks of a project's unassigned and ambiguous points.
    void paintProjectLegend(QPainter& painter) const;
    void occupyMarks(LabelPlacer& placer, const std::vector<std::size_t>& drawn) const;
    void paintMarks(QPainter& painter, LabelPlacer& placer, const PlanBounds& visible) const;
    void paintTicks(QPainter& painter, LabelPlacer& placer, const PlanBounds& visible) const;
    void paintPoints(QPainter& painter, LabelPlacer& placer, const std::vector<std::size_t>& drawn) const;
    void paintLegend(QPainter& painter) const;

    std::shared_ptr<const PlanScene> scene_;
    std::unique_ptr<PlanLineDetail> lineDetail_;
    std::unique_ptr<PlanPointIndex> pointIndex_;
    // A project's lines, reduced to the screen as the line in use is.
    std::vector<std::unique_ptr<PlanLineDetail>> projectLineDetails_;
    // The labels of the scene's intersection points and key points, decoded
    // from the file's bytes once per scene rather than on every paint. (The
    // labels of run points are decoded as drawn: at most
    // PLAN_MAX_LABELLED_POINTS of a run that may hold very many.)
    std::vector<QString> intersectionLabels_;
    std::vector<QString> keyPointLabels_;
    PlanViewport viewport_;
    bool fitted_ = false;
    bool movedSinceFit_ = false;  // zoomed or panned by the user since the last fit
    std::optional<QPointF> dragFrom_;
};

}  // namespace vomel::gui
