#include "gui/profile_view.h"

#include <cmath>
#include <unordered_set>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "gui/drawing_style.h"
#include "gui/hover_tip.h"
#include "gui/plan_view.h"
#include "gui/window_text.h"
#include "text/number_text.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

using namespace vomel::drawing;

namespace {

// Room around the plot for the axes' labels and the legend, pixels.
constexpr double LEFT_MARGIN = 72.0;
constexpr double RIGHT_MARGIN = 24.0;
constexpr double TOP_MARGIN = 34.0;
constexpr double BOTTOM_MARGIN = 40.0;
// Ticks of the axes lie at least this far apart, pixels.
constexpr double MIN_STATION_TICK_PIXELS = 110.0;
constexpr double MIN_ELEVATION_TICK_PIXELS = 36.0;
// Surveyed points are drawn at most one per square cell of this side, pixels.
constexpr double POINT_CELL = 2.0;
// Elevations in labels and the hover text: to the millimetre.
constexpr int ELEVATION_DECIMALS = 3;

const QColor GRID_COLOUR(225, 225, 225);
const QColor AXIS_COLOUR(60, 60, 60);

QString number(double value, int decimals) { return QString::fromStdString(formatFixed(value, decimals)); }

}  // namespace

ProfileView::ProfileView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProfileView"));
    setMouseTracking(true);
    setMinimumSize(480, 260);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProfileView::setScene(std::shared_ptr<const ProfileScene> scene)
{
    scene_ = std::move(scene);
    fit();
    update();
}

void ProfileView::fit()
{
    if (!scene_) return;
    viewport_.fit(*scene_, {LEFT_MARGIN, TOP_MARGIN, width() - LEFT_MARGIN - RIGHT_MARGIN,
                            height() - TOP_MARGIN - BOTTOM_MARGIN});
}

std::optional<std::size_t> ProfileView::pointAt(QPoint position) const
{
    if (!scene_) return std::nullopt;
    std::optional<std::size_t> nearest;
    double best = HOVER_PIXELS;
    for (std::size_t i = 0; i < scene_->points.size(); ++i) {
        const ProfilePoint& point = scene_->points[i];
        const ScreenPoint at = viewport_.toScreen(point.station, point.elevation);
        const double distance = std::hypot(at.x - position.x(), at.y - position.y());
        if (distance <= best) {
            // The earlier point on a tie.
            if (nearest && distance == best) continue;
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

QString ProfileView::hoverText(const ProfilePoint& point) const
{
    return uiText(PROFILE_POINT_TIP)
        .arg(textFromFileBytes(point.label), QString::fromStdString(point.stationText), number(point.offset, 3),
             number(point.elevation, ELEVATION_DECIMALS), number(point.designElevation, ELEVATION_DECIMALS),
             number(point.elevation - point.designElevation, ELEVATION_DECIMALS));
}

QImage ProfileView::render() const
{
    QImage image(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio());
    QPainter painter(&image);
    paint(painter);
    return image;
}

void ProfileView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter);
}

void ProfileView::paint(QPainter& painter) const
{
    painter.fillRect(rect(), Qt::white);
    if (!scene_) {
        painter.setPen(AXIS_COLOUR);
        painter.drawText(rect(), Qt::AlignCenter, uiText(PROFILE_LOAD_PROMPT));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    LabelPlacer placer(width(), height());
    // Labels of the drawing stay inside the plot, off the axes' labels.
    const ProfilePlotArea& area = viewport_.plot();
    placer.occupy({0.0, 0.0, area.left, static_cast<double>(height())});
    placer.occupy({0.0, area.top + area.height, static_cast<double>(width()), BOTTOM_MARGIN});
    placer.occupy({0.0, 0.0, static_cast<double>(width()), area.top});
    placer.occupy({area.left + area.width, 0.0, RIGHT_MARGIN, static_cast<double>(height())});
    paintAxes(painter);
    painter.save();
    const ProfilePlotArea& plot = viewport_.plot();
    painter.setClipRect(QRectF(plot.left, plot.top, plot.width, plot.height));
    paintPoints(painter);
    painter.restore();
    paintDesign(painter, placer);
    paintLegend(painter);
}

void ProfileView::paintAxes(QPainter& painter) const
{
    const ProfilePlotArea& plot = viewport_.plot();
    const QRectF frame(plot.left, plot.top, plot.width, plot.height);
    const QFontMetricsF metrics(painter.font());

    const double elevationStep = roundStep(MIN_ELEVATION_TICK_PIXELS / viewport_.verticalScale());
    const int elevationDecimals = elevationStep >= 1.0 ? 0 : (elevationStep >= 0.1 ? 1 : 2);
    for (const double elevation : tickValues(viewport_.bottomElevation(), viewport_.topElevation(), elevationStep)) {
        const double y = viewport_.toScreen(0.0, elevation).y;
        painter.setPen(QPen(GRID_COLOUR, 1.0));
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        painter.setPen(AXIS_COLOUR);
        const QString text = number(elevation, elevationDecimals);
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, frame.left() - 6.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }

    const double stationStep = roundStep(MIN_STATION_TICK_PIXELS / viewport_.horizontalScale());
    const double from = std::max(viewport_.stationAt(frame.left()), scene_->minStation);
    const double to = std::min(viewport_.stationAt(frame.right()), scene_->maxStation);
    double lastLabelRight = -1e9;
    for (const ProfileStationTick& tick : stationTicks(scene_->breaks, from, to, stationStep)) {
        const double x = viewport_.toScreen(tick.station, 0.0).x;
        painter.setPen(QPen(GRID_COLOUR, 1.0));
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
        painter.setPen(AXIS_COLOUR);
        painter.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + 4.0));
        const QString text = QString::fromStdString(tick.text);
        const double w = metrics.horizontalAdvance(text);
        // Two chains' ticks may fall close together at a break: the later
        // label gives way.
        if (x - w / 2.0 < lastLabelRight + 8.0) continue;
        painter.drawText(QRectF(x - w / 2.0, frame.bottom() + 6.0, w, metrics.height()), Qt::AlignCenter, text);
        lastLabelRight = x + w / 2.0;
    }
    painter.setPen(QPen(AXIS_COLOUR, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

void ProfileView::paintDesign(QPainter& painter, LabelPlacer& placer) const
{
    const auto& grades = scene_->gradePoints;
    // Tangents: the straight grades through the grade points.
    painter.setPen(QPen(TANGENT_COLOUR, 1.0, Qt::DashLine));
    QPolygonF tangents;
    for (const ProfileGradeMark& mark : grades) tangents << qt(viewport_.toScreen(mark.station, mark.elevation));
    painter.drawPolyline(tangents);

    painter.setPen(QPen(DESIGN_LINE_COLOUR, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF design;
    design.reserve(static_cast<qsizetype>(scene_->design.size()));
    for (const ProfileSample& sample : scene_->design) {
        design << qt(viewport_.toScreen(sample.station, sample.elevation));
    }
    painter.drawPolyline(design);
    for (qsizetype i = 1; i < design.size(); ++i) {
        placer.occupySegment({design[i - 1].x(), design[i - 1].y()}, {design[i].x(), design[i].y()});
    }

    // Curve ends: short ticks across the line.
    painter.setPen(QPen(CURVE_POINT_COLOUR, 1.5));
    for (const ProfileCurveEnd& end : scene_->curveEnds) {
        const QPointF at = qt(viewport_.toScreen(end.station, end.elevation));
        painter.drawLine(at + QPointF(0, -7), at + QPointF(0, 7));
        placer.occupy({at.x() - 2, at.y() - 7, 4, 14});
    }

    // Grade points: triangles, with their station, elevation and radius
    // above a crest and below a sag (away from the curve).
    const QFontMetricsF metrics(painter.font());
    for (std::size_t k = 0; k < grades.size(); ++k) {
        const ProfileGradeMark& mark = grades[k];
        const QPointF at = qt(viewport_.toScreen(mark.station, mark.elevation));
        painter.setPen(QPen(TURNING_POINT_COLOUR, 1.5));
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF{at + QPointF(0, -6), at + QPointF(5, 4), at + QPointF(-5, 4)});
        placer.occupy({at.x() - 5, at.y() - 6, 10, 10});
        QString text = QString::fromStdString(mark.stationText) + QLatin1Char('\n') + number(mark.elevation, 3);
        if (mark.radius > 0.0) {
            text += QLatin1Char('\n') +
                    uiText(VERTICAL_RADIUS_MARK).arg(QString::fromStdString(formatGeneral(mark.radius)));
        }
        // A sag where the grade rises more steeply after the point than
        // before it (stations strictly increase: no division by zero).
        const bool sag = k > 0 && k + 1 < grades.size() &&
                         (mark.elevation - grades[k - 1].elevation) / (mark.station - grades[k - 1].station) <
                             (grades[k + 1].elevation - mark.elevation) / (grades[k + 1].station - mark.station);
        const QRectF box = metrics.boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
        const double up = sag ? 1.0 : -1.0;  // away from the curve
        const double reach = 10.0 + box.height() / 2.0;
        const double side = 8.0 + box.width() / 2.0;
        // Away from the curve first, then beside it, then across it.
        const QPointF centres[] = {at + QPointF(0, up * reach),      at + QPointF(side, up * reach),
                                   at + QPointF(-side, up * reach),  at + QPointF(side, -up * reach),
                                   at + QPointF(-side, -up * reach), at + QPointF(0, -up * reach)};
        for (const QPointF& centre : centres) {
            const QRectF where(centre - QPointF(box.width() / 2.0, box.height() / 2.0), box.size());
            if (!placer.place({where.left(), where.top(), where.width(), where.height()})) continue;
            painter.setPen(TURNING_POINT_COLOUR);
            painter.drawText(where, Qt::AlignCenter, text);
            break;
        }
    }
}

void ProfileView::paintPoints(QPainter& painter) const
{
    // At most one point per cell, the earliest, so that a run of very many
    // points draws quickly; each with a line from its design elevation.
    std::unordered_set<long long> taken;
    std::vector<std::size_t> drawn;
    for (std::size_t i = 0; i < scene_->points.size(); ++i) {
        const ProfilePoint& point = scene_->points[i];
        const ScreenPoint at = viewport_.toScreen(point.station, point.elevation);
        const auto column = static_cast<long long>(std::floor(at.x / POINT_CELL));
        const auto row = static_cast<long long>(std::floor(at.y / POINT_CELL));
        if (!taken.insert(column * 1'000'003LL + row).second) continue;
        drawn.push_back(i);
    }
    painter.setPen(QPen(POINT_LINK_COLOUR, 1.0));
    for (const std::size_t i : drawn) {
        const ProfilePoint& point = scene_->points[i];
        painter.drawLine(qt(viewport_.toScreen(point.station, point.designElevation)),
                         qt(viewport_.toScreen(point.station, point.elevation)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(SURVEYED_POINT_COLOUR);
    for (const std::size_t i : drawn) {
        const ProfilePoint& point = scene_->points[i];
        painter.drawEllipse(qt(viewport_.toScreen(point.station, point.elevation)), 2.5, 2.5);
    }
}

void ProfileView::paintLegend(QPainter& painter) const
{
    const QFontMetricsF metrics(painter.font());
    const double y = TOP_MARGIN / 2.0;
    double x = LEFT_MARGIN;
    auto entry = [&](const QColor& colour, const QString& text, bool dot) {
        painter.setPen(QPen(colour, 2.0));
        painter.setBrush(colour);
        if (dot) {
            painter.drawEllipse(QPointF(x + 9, y), 2.5, 2.5);
        } else {
            painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        }
        painter.setPen(AXIS_COLOUR);
        painter.drawText(QPointF(x + 24, y + metrics.ascent() / 2.5), text);
        x += 24 + metrics.horizontalAdvance(text) + 18;
    };
    entry(DESIGN_LINE_COLOUR, uiText(DESIGN_LINE_LEGEND), false);
    if (!scene_->points.empty()) entry(SURVEYED_POINT_COLOUR, uiText(SURVEYED_POINT_LEGEND), true);
    painter.setPen(AXIS_COLOUR);
    const QString exaggeration = QString::fromStdString(formatGeneral(viewport_.exaggeration()));
    const QString scale = uiText(VERTICAL_EXAGGERATION).arg(exaggeration);
    painter.drawText(QRectF(0, 0, width() - RIGHT_MARGIN, TOP_MARGIN), Qt::AlignRight | Qt::AlignVCenter, scale);
}

void ProfileView::resizeEvent(QResizeEvent* /*event*/) { fit(); }

void ProfileView::mouseMoveEvent(QMouseEvent* event)
{
    if (!scene_) return;
    emit cursorMoved(viewport_.stationAt(event->position().x()), viewport_.elevationAt(event->position().y()));
}

bool ProfileView::event(QEvent* event)
{
    const auto textAt = [this](QPoint position) -> std::optional<QString> {
        const std::optional<std::size_t> hovered = pointAt(position);
        if (!hovered || !scene_) return std::nullopt;
        return hoverText(scene_->points[*hovered]);
    };
    return answerHoverTip(*this, event, textAt) || QWidget::event(event);
}

}  // namespace vomel::gui
