#include "gui/curve_table_texts.h"

#include <QRegularExpression>

#include "gui/window_text.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

// The keys of both tables and the kinds of elements, listed so that the
// translation tools collect them; the English keys are the source texts.
[[maybe_unused]] constexpr const char* CURVE_TABLE_WORDS[] = {
    VOMEL_TRANSLATE_NOOP("CurveTable", "name"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "X"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "Y"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "deflection"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "deflection_rad"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "R"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "Ls1"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "Ls2"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "RA1"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "RA2"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "T1"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "T2"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "L"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "E"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "item"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "kind"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "R1"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "R2"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "station"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "azimuth"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "azimuth_rad"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "straight"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "arc"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "entry spiral"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "exit spiral"),
    VOMEL_TRANSLATE_NOOP("CurveTable", "partial spiral"),
};

}  // namespace

QString curveTableHeader(const std::string& key) { return translatedText(CURVE_TABLE_CONTEXT, key.c_str()); }

QString curveTableCell(const std::string& key, const std::string& cell, const QString& shown)
{
    if (key == "kind" && !cell.empty()) return translatedText(CURVE_TABLE_CONTEXT, cell.c_str());
    if (key == "item") {
        static const QRegularExpression numbered(QStringLiteral("^(node|element) (\\d+)$"));
        const QRegularExpressionMatch match = numbered.match(shown);
        if (match.hasMatch()) {
            const QString number = match.captured(2);
            return match.captured(1) == QLatin1String("node")
                       ? translatedText(CURVE_TABLE_CONTEXT, VOMEL_TRANSLATE_NOOP("CurveTable", "node %1")).arg(number)
                       : translatedText(CURVE_TABLE_CONTEXT, VOMEL_TRANSLATE_NOOP("CurveTable", "element %1"))
                             .arg(number);
        }
    }
    return shown;
}

}  // namespace vomel::gui
