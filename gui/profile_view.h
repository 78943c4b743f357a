#pragma once
// The profile drawing: a ProfileScene fitted to the widget, station across
// and elevation up with the elevations exaggerated, the design line with
// its grade points, tangents and vertical curves, and the surveyed points
// against it. Hovering a surveyed point shows its label, station, offset,
// elevation, design elevation and their difference.

#include <memory>
#include <optional>

#include <QWidget>

#include "drawing/profile_scene.h"
#include "drawing/profile_viewport.h"

namespace vomel::gui {
using drawing::LabelPlacer;
using drawing::ProfilePoint;
using drawing::ProfileScene;
using drawing::ProfileViewport;

class ProfileView : public QWidget {
    Q_OBJECT

public:
    explicit ProfileView(QWidget* parent = nullptr);

    // Shows a new scene (none: an empty drawing), fitted to the widget.
    void setScene(std::shared_ptr<const ProfileScene> scene);
    const ProfileScene* scene() const { return scene_.get(); }
    const ProfileViewport& viewport() const { return viewport_; }

    // The surveyed point drawn nearest `position`, within a few pixels.
    std::optional<std::size_t> pointAt(QPoint position) const;
    // What hovering the point shows.
    QString hoverText(const ProfilePoint& point) const;

    // The picture at the widget's size.
    QImage render() const;

signals:
    // The station and elevation under the cursor.
    void cursorMoved(double station, double elevation);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void fit();
    void paint(QPainter& painter) const;
    void paintAxes(QPainter& painter) const;
    void paintDesign(QPainter& painter, LabelPlacer& placer) const;
    void paintPoints(QPainter& painter) const;
    void paintLegend(QPainter& painter) const;

    std::shared_ptr<const ProfileScene> scene_;
    ProfileViewport viewport_;
};

}  // namespace vomel::gui
