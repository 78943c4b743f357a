#include "gui/curve_table_window.h"

#include <set>

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStringDecoder>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/failure.h"
#include "formats/atomic_file.h"
#include "formats/results_file.h"
#include "gui/curve_table_texts.h"
#include "gui/window_text.h"
#include "session/curve_table.h"
#include "session/run_messages.h"
#include "ui/failure_text.h"
#include "ui/file_dialogs.h"
#include "ui/platform.h"
#include "ui/window_texts.h"

namespace vomel::gui {

using namespace vomel::ui;

namespace {

// Pixels left free around the window when it is sized to the screen.
constexpr int SCREEN_MARGIN = 80;

// Names of intersection points are the file's bytes, GBK or UTF-8: shown as
// UTF-8 when they are valid UTF-8, otherwise as GB18030 (of which GBK is a
// part); bytes neither decodes show as replacement characters.
QString cellText(const std::string& bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(view);
    if (!utf8.hasError()) return decoded;
    QStringDecoder gbk("GB18030", QStringDecoder::Flag::Stateless);
    if (gbk.isValid()) {
        QString chinese = gbk.decode(view);
        if (!gbk.hasError()) return chinese;
    }
    return decoded;
}

}  // namespace

CurveTableWindow::CurveTableWindow(Platform& platform, const std::shared_ptr<const PreparedLine>& line, QWidget* parent)
    : QDialog(parent), platform_(platform), curves_(curveTable(*line))
{
    setObjectName(QStringLiteral("CurveTableWindow"));
    setWindowTitle(uiText(CURVE_TABLE_TITLE));

    const CurveTable& table = curves_;
    table_ = new QTableWidget(static_cast<int>(table.rows.size()), static_cast<int>(table.columns.size()), this);
    table_->setObjectName(QStringLiteral("curveTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList headers;
    for (const auto& column : table.columns) headers << curveTableHeader(column);
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->setVisible(false);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const std::string& cell = table.rows[r][c];
            auto* item = new QTableWidgetItem(curveTableCell(table.columns[c], cell, cellText(cell)));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->resizeColumnsToContents();

    auto* copy = new QPushButton(uiText(COPY_CAPTION), this);
    copy->setObjectName(QStringLiteral("copyButton"));
    auto* save = new QPushButton(uiText(SAVE_CSV_CAPTION), this);
    save->setObjectName(QStringLiteral("saveCsvButton"));
    auto* close = new QPushButton(uiText(CLOSE_CAPTION), this);
    close->setObjectName(QStringLiteral("closeButton"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("curveTableStatus"));
    connect(copy, &QPushButton::clicked, this, &CurveTableWindow::copyToClipboard);
    connect(save, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* shortcut = new QShortcut(QKeySequence::Copy, table_);
    connect(shortcut, &QShortcut::activated, this, &CurveTableWindow::copyToClipboard);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    // Large enough for the whole table, as far as the screen allows; the
    // table scrolls beyond that.
    const QMargins margins = layout->contentsMargins();
    int width =
        2 * table_->frameWidth() + margins.left() + margins.right() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table_->columnCount(); ++c) width += table_->columnWidth(c);
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                 table_->horizontalScrollBar()->sizeHint().height() + margins.top() + margins.bottom() +
                 layout->spacing() + buttons->sizeHint().height();
    for (int r = 0; r < table_->rowCount(); ++r) height += table_->rowHeight(r);
    const QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::min(width, available.width() - SCREEN_MARGIN), std::min(height, available.height() - SCREEN_MARGIN));
}

QString CurveTableWindow::selectionText() const
{
    std::set<int> rows;
    std::set<int> columns;
    for (const QTableWidgetItem* item : table_->selectedItems()) {
        rows.insert(item->row());
        columns.insert(item->column());
    }
    if (rows.empty()) {
        for (int r = 0; r < table_->rowCount(); ++r) rows.insert(r);
        for (int c = 0; c < table_->columnCount(); ++c) columns.insert(c);
    }
    QStringList lines;
    QStringList header;
    for (int c : columns) header << table_->horizontalHeaderItem(c)->text();
    lines << header.join(QLatin1Char('\t'));
    for (int r : rows) {
        QStringList cells;
        for (int c : columns) cells << table_->item(r, c)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CurveTableWindow::copyToClipboard()
{
    QApplication::clipboard()->setText(selectionText());
    status_->setText(uiText(TABLE_COPIED));
}

namespace {

// The table as the window saves it: the headers and the item and kind words
// in the window's language, encoded as the window's results files (GBK);
// names and numbers byte for byte, as the command line writes them.
CurveTable windowCsvTable(CurveTable table)
{
    auto encoded = [](const QString& text) { return encodedText(text.toStdString(), HeaderEncoding::Gbk); };
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const std::string key = table.columns[c];
        table.columns[c] = encoded(curveTableHeader(key));
        if (key != "item" && key != "kind") continue;
        for (std::vector<std::string>& row : table.rows) {
            if (c < row.size()) row[c] = encoded(curveTableCell(key, row[c], QString::fromStdString(row[c])));
        }
    }
    return table;
}

}  // namespace

bool CurveTableWindow::saveCsv()
{
    const auto path = platform_.askSaveFile(CURVE_TABLE_SAVE_DIALOG);
    if (!path) return false;
    try {
        AtomicFile writer(*path);
        writer.write(curveTableCsv(windowCsvTable(curves_)));
        writer.commit();
    } catch (const Failure& failure) {
        platform_.showError(failureMessage(MSG_COMPUTE_FORMAT, failure, platform_));
        return false;
    }
    status_->setText(uiText(TABLE_SAVED) + QString::fromLocal8Bit(path->c_str()));
    return true;
}

}  // namespace vomel::gui
