#include "gui/curve_table_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vomel::gui {

namespace {

constexpr const char* CONTEXT = "CurveTable";

// The keys of both tables and the kinds of elements, listed so that the
// translation tools collect them; the English keys are the source texts.
[[maybe_unused]] constexpr const char* CURVE_TABLE_WORDS[] = {
    QT_TRANSLATE_NOOP("CurveTable", "name"),
    QT_TRANSLATE_NOOP("CurveTable", "X"),
    QT_TRANSLATE_NOOP("CurveTable", "Y"),
    QT_TRANSLATE_NOOP("CurveTable", "deflection"),
    QT_TRANSLATE_NOOP("CurveTable", "deflection_rad"),
    QT_TRANSLATE_NOOP("CurveTable", "R"),
    QT_TRANSLATE_NOOP("CurveTable", "Ls1"),
    QT_TRANSLATE_NOOP("CurveTable", "Ls2"),
    QT_TRANSLATE_NOOP("CurveTable", "RA1"),
    QT_TRANSLATE_NOOP("CurveTable", "RA2"),
    QT_TRANSLATE_NOOP("CurveTable", "T1"),
    QT_TRANSLATE_NOOP("CurveTable", "T2"),
    QT_TRANSLATE_NOOP("CurveTable", "L"),
    QT_TRANSLATE_NOOP("CurveTable", "E"),
    QT_TRANSLATE_NOOP("CurveTable", "item"),
    QT_TRANSLATE_NOOP("CurveTable", "kind"),
    QT_TRANSLATE_NOOP("CurveTable", "R1"),
    QT_TRANSLATE_NOOP("CurveTable", "R2"),
    QT_TRANSLATE_NOOP("CurveTable", "station"),
    QT_TRANSLATE_NOOP("CurveTable", "azimuth"),
    QT_TRANSLATE_NOOP("CurveTable", "azimuth_rad"),
    QT_TRANSLATE_NOOP("CurveTable", "straight"),
    QT_TRANSLATE_NOOP("CurveTable", "arc"),
    QT_TRANSLATE_NOOP("CurveTable", "entry spiral"),
    QT_TRANSLATE_NOOP("CurveTable", "exit spiral"),
    QT_TRANSLATE_NOOP("CurveTable", "partial spiral"),
};

}  // namespace

QString curveTableHeader(const std::string& key) { return QCoreApplication::translate(CONTEXT, key.c_str()); }

QString curveTableCell(const std::string& key, const std::string& cell, const QString& shown)
{
    if (key == "kind" && !cell.empty()) return QCoreApplication::translate(CONTEXT, cell.c_str());
    if (key == "item") {
        static const QRegularExpression numbered(QStringLiteral("^(node|element) (\\d+)$"));
        const QRegularExpressionMatch match = numbered.match(shown);
        if (match.hasMatch()) {
            const QString number = match.captured(2);
            return match.captured(1) == QLatin1String("node")
                       ? QCoreApplication::translate("CurveTable", "node %1").arg(number)
                       : QCoreApplication::translate("CurveTable", "element %1").arg(number);
        }
    }
    return shown;
}

}  // namespace vomel::gui
