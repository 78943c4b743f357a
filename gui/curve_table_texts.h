#pragma once
// The curve table's column keys and its item and kind cells ("node 1",
// "element 2", "entry spiral") in the user's language. The table and its
// CSV file keep the English keys.

#include <string>

#include <QString>

namespace vomel::gui {

QString curveTableHeader(const std::string& key);

// A cell of the column `key`: the item and kind columns are words, the
// others numbers and names shown as they are (`shown`).
QString curveTableCell(const std::string& key, const std::string& cell, const QString& shown);

}  // namespace vomel::gui
