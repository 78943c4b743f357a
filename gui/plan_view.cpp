#include "gui/plan_view.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>
#include <QWheelEvent>

#include "alignment/length_unit.h"
#include "gui/drawing_style.h"
#include "gui/hover_tip.h"
#include "gui/project_pane.h"
#include "gui/window_text.h"
#include "text/number_text.h"
#include "ui/project_texts.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;
using namespace vomel::drawing;

namespace {

// Zoom per eighth of a degree of wheel turn (a notch of 15 degrees: x1.2).
constexpr double WHEEL_ZOOM_PER_UNIT = 1.2;
constexpr double WHEEL_UNITS_PER_NOTCH = 120.0;
// Drawn station ticks lie at least this far apart, labelled ones farther.
constexpr double MIN_TICK_PIXELS = 8.0;
constexpr double MIN_TICK_LABEL_PIXELS = 90.0;
constexpr double TICK_HALF_LENGTH = 5.0;
// A foot line shorter than this (pixels) is not drawn.
constexpr double MIN_FOOT_PIXELS = 1.0;
// The scale bar is the longest round length up to this many pixels.
constexpr double SCALE_BAR_MAX_PIXELS = 120.0;

const QColor TICK_COLOUR(40, 40, 40);

// The screen direction of an azimuth: X (north) is up, Y (east) right.
QPointF screenDirection(double azimuth) { return {std::sin(azimuth), -std::cos(azimuth)}; }

// Draws `text` with its top left at `at` when the placer finds room.
bool drawLabel(QPainter& painter, LabelPlacer& placer, QPointF at, const QString& text, const QColor& colour)
{
    const QFontMetricsF metrics(painter.font());
    const QRectF box = metrics.boundingRect(QRectF(at, QSizeF(1000, 1000)), Qt::AlignLeft | Qt::AlignTop, text);
    if (!placer.place({box.left(), box.top(), box.width(), box.height()})) return false;
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    return true;
}

// Draws the label of a mark at `at` right of it, else left, above or below,
// wherever there is room first; false when there is none.
bool drawLabelNear(QPainter& painter, LabelPlacer& placer, QPointF at, const QString& text, const QColor& colour)
{
    const QFontMetricsF metrics(painter.font());
    const double w = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    for (const double gap : {6.0, 16.0}) {
        for (const QPointF offset : {QPointF(gap, -h / 2), QPointF(-gap - w, -h / 2), QPointF(-w / 2, -gap - h),
                                     QPointF(-w / 2, gap), QPointF(gap, gap / 2), QPointF(gap, -h - gap / 2),
                                     QPointF(-gap - w, gap / 2), QPointF(-gap - w, -h - gap / 2)}) {
            const QRectF box(at + offset, QSizeF(w, h));
            if (!placer.place({box.left(), box.top(), box.width(), box.height()})) continue;
            painter.setPen(colour);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
            return true;
        }
    }
    return false;
}

// A length of 1, 2 or 5 times a power of ten, about `pixels` long at `scale`.
double scaleBarLength(double scale, double pixels)
{
    const double wanted = pixels / scale;
    const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * decade <= wanted) return step * decade;
    }
    return decade;
}

}  // namespace

QString textFromFileBytes(const std::string& bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString asUtf8 = utf8(view);
    const bool validUtf8 = !utf8.hasError();
    // Chinese in UTF-8 takes three bytes a character; a two-byte sequence
    // (lead byte C2..DF) in a survey label is far more likely a GBK pair
    // that happens to read as UTF-8, such as D7 AE for "桩".
    const bool twoByteSequence = std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0xC2 && b <= 0xDF;
    });
    if (validUtf8 && !twoByteSequence) return asUtf8;
    QStringDecoder gbk("GB18030", QStringDecoder::Flag::Stateless);
    if (gbk.isValid()) {
        QString asGbk = gbk(view);
        if (!gbk.hasError()) return asGbk;
    }
    if (validUtf8) return asUtf8;
    return QString::fromLatin1(view.data(), view.size());
}

QString hoverText(const PlanPoint& point)
{
    return uiText(PLAN_POINT_TIP)
        .arg(textFromFileBytes(point.label), QString::fromStdString(point.station),
             QString::fromStdString(formatFixed(point.offset, 3)));
}

QString hoverText(const PlanPoint& point, const PlanScene& scene)
{
    if (scene.projectLines.empty()) return hoverText(point);
    const auto lineName = [&scene](std::size_t line) {
        return line < scene.projectLines.size() ? QString::fromStdString(scene.projectLines[line].name) : QString();
    };
    switch (point.group) {
    case PlanPointGroup::Unassigned:
        return textFromFileBytes(point.label) + QLatin1Char('\n') + projectUiText(POINT_UNASSIGNED_TIP);
    case PlanPointGroup::Ambiguous:
        return hoverText(point) + QLatin1Char('\n') +
               (point.otherLine == point.line
                    ? projectUiText(POINT_AMBIGUOUS_ON_ITS_LINE_TIP).arg(lineName(point.line))
                    : projectUiText(POINT_AMBIGUOUS_TIP).arg(lineName(point.line), lineName(point.otherLine)));
    case PlanPointGroup::Line: break;
    }
    return hoverText(point) + QLatin1Char('\n') + projectUiText(POINT_LINE_TIP).arg(lineName(point.line));
}

PlanView::PlanView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PlanView"));
    setMouseTracking(true);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlanView::~PlanView() = default;

void PlanView::setScene(std::shared_ptr<const PlanScene> scene, bool fit)
{
    if (scene == scene_) return;
    // A scene of the same line (after a file run, say), or of the same
    // project with another line in use, keeps the view.
    const auto sameEnds = [](const std::vector<Point>& a, const std::vector<Point>& b) {
        return a.size() == b.size() && !a.empty() && a.front().x == b.front().x && a.front().y == b.front().y &&
               a.back().x == b.back().x && a.back().y == b.back().y;
    };
    const auto sameProject = [&sameEnds](const PlanScene& a, const PlanScene& b) {
        if (a.projectLines.empty() || a.projectLines.size() != b.projectLines.size()) return false;
        for (std::size_t k = 0; k < a.projectLines.size(); ++k) {
            if (!sameEnds(a.projectLines[k].line, b.projectLines[k].line)) return false;
        }
        return true;
    };
    const bool sameLine = scene_ && scene && (sameEnds(scene_->line, scene->line) || sameProject(*scene_, *scene));
    if (!sameLine) fitted_ = false;
    scene_ = std::move(scene);
    lineDetail_ = scene_ ? std::make_unique<PlanLineDetail>(scene_->line) : nullptr;
    pointIndex_ = scene_ ? std::make_unique<PlanPointIndex>(scene_->points) : nullptr;
    projectLineDetails_.clear();
    if (scene_) {
        for (const PlanProjectLine& line : scene_->projectLines) {
            projectLineDetails_.push_back(std::make_unique<PlanLineDetail>(line.line));
        }
    }
    intersectionLabels_.clear();
    keyPointLabels_.clear();
    if (scene_) {
        for (const PlanMark& mark : scene_->intersectionPoints) {
            intersectionLabels_.push_back(textFromFileBytes(mark.name));
        }
        for (const PlanMark& mark : scene_->keyPoints) {
            const QString name = mark.windowName != nullptr ? uiText(mark.windowName) : textFromFileBytes(mark.name);
            keyPointLabels_.push_back(name + QLatin1Char(' ') + QString::fromStdString(mark.station));
        }
    }
    // A view the user has not zoomed or panned stays fitted to all it shows.
    if (fit || !fitted_ || !movedSinceFit_) fitAll();
    update();
}

void PlanView::fitAll()
{
    viewport_.setSize(width(), height());
    if (scene_) {
        viewport_.fit(scene_->bounds, PLAN_FIT_MARGIN, PLAN_FIT_BOTTOM_MARGIN);
        fitted_ = true;
        movedSinceFit_ = false;
    }
    update();
}

void PlanView::showBounds(const PlanBounds& bounds)
{
    viewport_.setSize(width(), height());
    viewport_.fit(bounds, 0.0);
    fitted_ = true;
    movedSinceFit_ = true;  // a chosen part, not the whole
    update();
}

std::optional<std::size_t> PlanView::pointAt(QPoint position) const
{
    if (!pointIndex_) return std::nullopt;
    const Point at = viewport_.toWorld({static_cast<double>(position.x()), static_cast<double>(position.y())});
    return pointIndex_->nearest(at, HOVER_PIXELS / viewport_.scale());
}

QImage PlanView::render() const
{
    QImage image(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio());
    QPainter painter(&image);
    paint(painter);
    return image;
}

void PlanView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter);
}

void PlanView::paint(QPainter& painter) const
{
    painter.fillRect(QRectF(0, 0, viewport_.width(), viewport_.height()), Qt::white);
    if (!scene_) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    LabelPlacer placer(viewport_.width(), viewport_.height());
    const std::vector<std::size_t> drawn = visiblePoints(scene_->points, viewport_);
    paintProjectLines(painter, placer);
    paintLine(painter, placer);
    occupyMarks(placer, drawn);
    paintProjectNames(painter, placer);
    // Marks and ticks a little off the screen still show their labels' ends.
    const PlanBounds visible = viewport_.visibleBounds(20.0);
    paintMarks(painter, placer, visible);
    paintTicks(painter, placer, visible);
    paintPoints(painter, placer, drawn);
    paintLegend(painter);
    paintProjectLegend(painter);
}

bool PlanView::onScreen(const PlanBounds& visible, Point p)
{
    return p.x >= visible.minX && p.x <= visible.maxX && p.y >= visible.minY && p.y <= visible.maxY;
}

void PlanView::paintLine(QPainter& painter, LabelPlacer& placer) const
{
    // Tangents through the intersection points, thin and dashed.
    painter.setPen(QPen(TANGENT_COLOUR, 1.0, Qt::DashLine));
    for (const auto& [from, to] : scene_->tangents) {
        painter.drawLine(qt(viewport_.toScreen(from)), qt(viewport_.toScreen(to)));
    }

    // The line, reduced to the screen's resolution; in a project, in the
    // colour of the line in use.
    const QColor colour = scene_->projectLines.empty() ? DESIGN_LINE_COLOUR : projectLineColour(scene_->lineInUse);
    painter.setPen(QPen(colour, scene_->projectLines.empty() ? 2.0 : 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& run : lineDetail_->visibleRuns(viewport_)) {
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(run.size()));
        for (const ScreenPoint& p : run) polyline << qt(p);
        painter.drawPolyline(polyline);
        for (std::size_t i = 1; i < run.size(); ++i) placer.occupySegment(run[i - 1], run[i]);
    }
}

void PlanView::occupyMarks(LabelPlacer& placer, const std::vector<std::size_t>& drawn) const
{
    // Labels keep off the legend and the marks.
    const QRectF legend = legendArea();
    placer.occupy({legend.left(), legend.top(), legend.width(), legend.height()});
    if (!scene_->projectLines.empty()) {
        const QRectF marks = projectLegendArea();
        placer.occupy({marks.left(), marks.top(), marks.width(), marks.height()});
    }
    auto occupyMark = [&](Point p, double half) {
        const ScreenPoint s = viewport_.toScreen(p);
        placer.occupy({s.x - half, s.y - half, 2.0 * half, 2.0 * half});
    };
    for (const PlanMark& mark : scene_->keyPoints) occupyMark(mark.at, 4.0);
    for (const PlanMark& mark : scene_->intersectionPoints) occupyMark(mark.at, 5.0);
    for (const std::size_t i : drawn) occupyMark(scene_->points[i].at, 3.0);
}

void PlanView::paintMarks(QPainter& painter, LabelPlacer& placer, const PlanBounds& visible) const
{
    // Intersection points and key points first: their labels come first.
    for (std::size_t m = 0; m < scene_->intersectionPoints.size(); ++m) {
        const PlanMark& mark = scene_->intersectionPoints[m];
        if (!onScreen(visible, mark.at)) continue;
        const QPointF at = qt(viewport_.toScreen(mark.at));
        painter.setPen(QPen(TURNING_POINT_COLOUR, 1.5));
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF{at + QPointF(0, -5), at + QPointF(4.5, 3.5), at + QPointF(-4.5, 3.5)});
        drawLabelNear(painter, placer, at, intersectionLabels_[m], TURNING_POINT_COLOUR);
    }

    for (std::size_t m = 0; m < scene_->keyPoints.size(); ++m) {
        const PlanMark& mark = scene_->keyPoints[m];
        if (!onScreen(visible, mark.at)) continue;
        const QPointF at = qt(viewport_.toScreen(mark.at));
        painter.setPen(QPen(CURVE_POINT_COLOUR, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, 3.5, 3.5);
        drawLabelNear(painter, placer, at, keyPointLabels_[m], CURVE_POINT_COLOUR);
    }
}

void PlanView::paintTicks(QPainter& painter, LabelPlacer& placer, const PlanBounds& visible) const
{
    // Station ticks across the line, labelled on its left.
    const long stride = tickStride(viewport_.scale(), MIN_TICK_PIXELS);
    const long labelStride = tickStride(viewport_.scale(), MIN_TICK_LABEL_PIXELS);
    for (const PlanTick& tick : scene_->ticks) {
        const auto step = static_cast<long>(std::llround(tick.stated / PLAN_TICK_SPACING));
        if (step % stride != 0 || !onScreen(visible, tick.at)) continue;
        const QPointF at = qt(viewport_.toScreen(tick.at));
        const QPointF along = screenDirection(tick.azimuth);
        const QPointF left(along.y(), -along.x());
        painter.setPen(QPen(TICK_COLOUR, 1.0));
        painter.drawLine(at - TICK_HALF_LENGTH * left, at + TICK_HALF_LENGTH * left);
        if (step % labelStride == 0) {
            const QString text = QString::fromStdString(tick.text);
            const QFontMetricsF metrics(painter.font());
            // Far enough along the normal that the label's box clears the line.
            const double reach = std::abs(left.x()) * metrics.horizontalAdvance(text) / 2.0 +
                                 std::abs(left.y()) * metrics.height() / 2.0;
            const QPointF centre = at + (TICK_HALF_LENGTH + 3.0 + reach) * left;
            drawLabel(painter, placer, centre - QPointF(metrics.horizontalAdvance(text) / 2.0, metrics.height() / 2.0),
                      text, TICK_COLOUR);
        }
    }
}

void PlanView::paintPoints(QPainter& painter, LabelPlacer& placer, const std::vector<std::size_t>& drawn) const
{
    // The points of the last run, at most one per few pixels, with their feet.
    for (const std::size_t i : drawn) {
        const PlanPoint& point = scene_->points[i];
        const QPointF at = qt(viewport_.toScreen(point.at));
        const QPointF foot = qt(viewport_.toScreen(point.foot));
        if (std::hypot(at.x() - foot.x(), at.y() - foot.y()) >= MIN_FOOT_PIXELS) {
            painter.setPen(QPen(POINT_LINK_COLOUR, 1.0));
            painter.drawLine(at, foot);
        }
    }
    const bool project = !scene_->projectLines.empty();
    const auto colourOf = [project](const PlanPoint& point) {
        if (!project) return SURVEYED_POINT_COLOUR;
        return point.group == PlanPointGroup::Unassigned ? UNASSIGNED_POINT_COLOUR : projectLineColour(point.line);
    };
    for (const std::size_t i : drawn) {
        const PlanPoint& point = scene_->points[i];
        const QPointF at = qt(viewport_.toScreen(point.at));
        if (point.group == PlanPointGroup::Unassigned) {
            // A cross: no line holds the point.
            painter.setPen(QPen(UNASSIGNED_POINT_COLOUR, 1.5));
            painter.drawLine(at + QPointF(-3.5, -3.5), at + QPointF(3.5, 3.5));
            painter.drawLine(at + QPointF(-3.5, 3.5), at + QPointF(3.5, -3.5));
            continue;
        }
        // A ring around an ambiguous point: another line is as near.
        painter.setPen(point.group == PlanPointGroup::Ambiguous ? QPen(AMBIGUOUS_RING_COLOUR, 1.5) : QPen(Qt::NoPen));
        painter.setBrush(colourOf(point));
        const double radius = point.group == PlanPointGroup::Ambiguous ? 4.0 : 2.5;
        painter.drawEllipse(at, radius, radius);
    }
    if (drawn.size() <= PLAN_MAX_LABELLED_POINTS) {
        for (const std::size_t i : drawn) {
            const QPointF at = qt(viewport_.toScreen(scene_->points[i].at));
            drawLabelNear(painter, placer, at, textFromFileBytes(scene_->points[i].label), colourOf(scene_->points[i]));
        }
    }
}

void PlanView::paintLegend(QPainter& painter) const
{
    // Scale bar and north arrow in the lower left corner, on a pale ground
    // where a zoomed or panned line passes beneath them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRect(legendArea());
    const double barPixels = scaleBarLength(viewport_.scale(), SCALE_BAR_MAX_PIXELS) * viewport_.scale();
    const QPointF barStart(16.0, viewport_.height() - 18.0);
    painter.setPen(QPen(Qt::black, 2.0));
    painter.drawLine(barStart, barStart + QPointF(barPixels, 0));
    painter.drawLine(barStart, barStart + QPointF(0, -5));
    painter.drawLine(barStart + QPointF(barPixels, 0), barStart + QPointF(barPixels, -5));
    painter.drawText(barStart + QPointF(barPixels + 6, 4), scaleBarText());
    const QPointF north(24.0, viewport_.height() - 60.0);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF{north + QPointF(0, -14), north + QPointF(5, 0), north + QPointF(-5, 0)});
    painter.drawText(north + QPointF(-4, 16), QStringLiteral("N"));
}

void PlanView::paintProjectLines(QPainter& painter, LabelPlacer& placer) const
{
    for (std::size_t k = 0; k < projectLineDetails_.size(); ++k) {
        if (k == scene_->lineInUse) continue;  // drawn in full by paintLine
        painter.setPen(QPen(projectLineColour(k), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& run : projectLineDetails_[k]->visibleRuns(viewport_)) {
            QPolygonF polyline;
            polyline.reserve(static_cast<qsizetype>(run.size()));
            for (const ScreenPoint& p : run) polyline << qt(p);
            painter.drawPolyline(polyline);
            for (std::size_t i = 1; i < run.size(); ++i) placer.occupySegment(run[i - 1], run[i]);
        }
    }
}

void PlanView::paintProjectNames(QPainter& painter, LabelPlacer& placer) const
{
    // Every line's name in bold in its colour, at the middle of the line:
    // placed before any other label, so that no line goes unnamed.
    if (scene_->projectLines.empty()) return;
    const QFont normal = painter.font();
    QFont bold = normal;
    bold.setBold(true);
    painter.setFont(bold);
    // Where the middle of a line is crowded (a main line at its
    // interchange), the name goes to the first free place farther along.
    constexpr double ALONG[] = {0.35, 0.65, 0.2, 0.8, 0.1, 0.9};
    for (std::size_t k = 0; k < scene_->projectLines.size(); ++k) {
        const PlanProjectLine& line = scene_->projectLines[k];
        const QString name = QString::fromStdString(line.name);
        if (drawLabelNear(painter, placer, qt(viewport_.toScreen(line.labelAt)), name, projectLineColour(k))) continue;
        for (const double fraction : ALONG) {
            const auto i = static_cast<std::size_t>(fraction * static_cast<double>(line.line.size() - 1));
            if (line.line.empty() || !onScreen(viewport_.visibleBounds(), line.line[i])) continue;
            if (drawLabelNear(painter, placer, qt(viewport_.toScreen(line.line[i])), name, projectLineColour(k))) break;
        }
    }
    painter.setFont(normal);
}

void PlanView::paintProjectLegend(QPainter& painter) const
{
    // Bottom right: what the cross and the ring mean.
    if (scene_->projectLines.empty()) return;
    const QRectF area = projectLegendArea();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRect(area);
    const QPointF cross(area.left() + 14.0, area.top() + 16.0);
    painter.setPen(QPen(UNASSIGNED_POINT_COLOUR, 1.5));
    painter.drawLine(cross + QPointF(-3.5, -3.5), cross + QPointF(3.5, 3.5));
    painter.drawLine(cross + QPointF(-3.5, 3.5), cross + QPointF(3.5, -3.5));
    const QPointF ring(area.left() + 14.0, area.top() + 38.0);
    painter.setPen(QPen(AMBIGUOUS_RING_COLOUR, 1.5));
    painter.setBrush(projectLineColour(scene_->lineInUse));
    painter.drawEllipse(ring, 4.0, 4.0);
    painter.setPen(Qt::black);
    painter.drawText(cross + QPointF(14.0, 5.0), projectUiText(UNASSIGNED_LEGEND));
    painter.drawText(ring + QPointF(14.0, 5.0), projectUiText(AMBIGUOUS_LEGEND));
}

QRectF PlanView::projectLegendArea() const
{
    return {viewport_.width() - PLAN_PROJECT_LEGEND_WIDTH, viewport_.height() - PLAN_PROJECT_LEGEND_HEIGHT,
            PLAN_PROJECT_LEGEND_WIDTH, PLAN_PROJECT_LEGEND_HEIGHT};
}

QString PlanView::scaleBarText() const
{
    const LengthUnit unit = scene_ ? scene_->unit : LengthUnit::Metre;
    const double barLength = scaleBarLength(viewport_.scale(), SCALE_BAR_MAX_PIXELS);
    return QString::fromStdString(formatGeneral(barLength) + " " + lengthUnitSymbol(unit));
}

QRectF PlanView::legendArea() const
{
    return {0.0, viewport_.height() - PLAN_LEGEND_HEIGHT, PLAN_LEGEND_WIDTH, PLAN_LEGEND_HEIGHT};
}

void PlanView::resizeEvent(QResizeEvent* /*event*/)
{
    viewport_.setSize(width(), height());
    // A fitted view stays fitted as the window takes its size (it opens at
    // the size of its layout, not of its first fit) until the user zooms
    // or pans.
    if (!fitted_ || !movedSinceFit_) fitAll();
}

void PlanView::wheelEvent(QWheelEvent* event)
{
    const double units = event->angleDelta().y();
    if (units == 0.0) return;
    zoomAt(event->position(), std::pow(WHEEL_ZOOM_PER_UNIT, units / WHEEL_UNITS_PER_NOTCH));
    event->accept();
}

void PlanView::zoomAt(QPointF anchor, double factor)
{
    viewport_.zoomAt({anchor.x(), anchor.y()}, factor);
    movedSinceFit_ = true;
    update();
}

void PlanView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void PlanView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragFrom_) {
        const QPointF now = event->position();
        viewport_.panBy(now.x() - dragFrom_->x(), now.y() - dragFrom_->y());
        movedSinceFit_ = true;
        dragFrom_ = now;
        update();
    }
    const Point at = viewport_.toWorld({event->position().x(), event->position().y()});
    emit cursorMoved(at.x, at.y);
}

void PlanView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        unsetCursor();
    }
}

bool PlanView::event(QEvent* event)
{
    const auto textAt = [this](QPoint position) -> std::optional<QString> {
        const std::optional<std::size_t> hovered = pointAt(position);
        if (!hovered || !scene_) return std::nullopt;
        return hoverText(scene_->points[*hovered], *scene_);
    };
    return answerHoverTip(*this, event, textAt) || QWidget::event(event);
}

}  // namespace vomel::gui
