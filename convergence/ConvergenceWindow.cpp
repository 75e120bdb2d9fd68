#include "ConvergenceWindow.h"

#include "ConvergenceModule.h"
#include "ConvergencePlot.h"
#include "ConvergenceTable.h"
#include "SeriesCsv.h"
#include "SeriesWords.h"

#include <QApplication>
#include <QBuffer>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace {

// Draws a cell's text with one QPainter::drawText. The styled delegate lays
// each text out twice per paint, which made repainting the table cost more
// than all the rest of a Compute with the window open.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
        if (cell.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
            cell.text.clear(); // the style draws the selection and the focus
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        }
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, cell.widget) + 1;
        painter->setPen(cell.palette.color(
            cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const int wrap = cell.features & QStyleOptionViewItem::WrapText ? Qt::TextWordWrap : 0;
        painter->drawText(cell.rect.adjusted(margin, 0, -margin, 0),
                          int(cell.displayAlignment) | wrap, text);
    }
};

} // namespace

ConvergenceWindow::ConvergenceWindow(QWidget* owner)
    : ConvergenceView(owner, Qt::Window), Model(new ConvergenceTable(this)), Table(new QTableView),
      Plot(new ConvergencePlot) {
    setWindowTitle(tr("Convergence"));
    Table->setModel(Model);
    Table->setAccessibleName(tr("Every iteration"));
    Table->verticalHeader()->hide();
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setItemDelegate(new CellDelegate(Table));
    SizeColumns();
    connect(Table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == ConvergenceTable::StopColumn)
            FitStopRows();
    });
    auto* splitter = new QSplitter;
    splitter->addWidget(Table);
    splitter->addWidget(Plot);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& caption, const QString& title, const QString& name,
                            const QString& filter, std::function<QString(const QString&)> save) {
        auto* b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, this, [=, this] { Export(title, name, filter, save); });
        buttons->addWidget(b);
    };
    button(tr("Save table as CSV…"), tr("Save the table"), "convergence.csv",
           tr("CSV files (*.csv)"), std::bind_front(&ConvergenceWindow::SaveCsv, this));
    button(tr("Save plot as SVG…"), tr("Save the plot"), "convergence.svg",
           tr("SVG images (*.svg)"), std::bind_front(&ConvergenceWindow::SaveSvg, this));
    button(tr("Save plot as PNG…"), tr("Save the plot"), "convergence.png",
           tr("PNG images (*.png)"), std::bind_front(&ConvergenceWindow::SavePng, this));
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    // Table and plots side by side, but never larger than the screen, the
    // frame included where the platform already knows it.
    create();
    resize(QSize(1320, 760).boundedTo(
        screen()->availableGeometry().size().shrunkBy(windowHandle()->frameMargins())));
    // The table as wide as its columns, but the plots keep half the window:
    // the error's parts make the table wider than that, and it scrolls.
    splitter->setSizes({std::min(TableWidth(), width() / 2), width() / 2});
}

// Wide enough for any number the table shows: measuring the cells instead
// would cost more than the rest of a Compute.
void ConvergenceWindow::SizeColumns() {
    const QFontMetrics metrics = Table->fontMetrics();
    const int padding = 2 * metrics.averageCharWidth();
    const QString widest[] = {WordsFor(SeriesKind::Combined).Name,
                              "888",
                              "-0.00008888888",
                              "-0.00008888888",
                              "-0.00008888888",
                              "-0.0000888",
                              "-0.0000888",
                              "-8888.88",
                              "-8.88",
                              "-0.0000888"};
    for (int column = ConvergenceTable::SeriesColumn; column < ConvergenceTable::StopColumn;
         ++column) {
        const QString header =
            Model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        Table->setColumnWidth(column, std::max(metrics.horizontalAdvance(widest[column]),
                                               metrics.horizontalAdvance(header)) +
                                          padding);
    }
    // The stop reasons are sentences: the last column takes what room is left,
    // and their rows grow to show all of it (FitStopRows).
    Table->setColumnWidth(ConvergenceTable::StopColumn, 40 * metrics.averageCharWidth());
    Table->horizontalHeader()->setStretchLastSection(true);
}

// What the table needs to show its columns side by side.
int ConvergenceWindow::TableWidth() const {
    int width = Table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * Table->frameWidth();
    for (int column = 0; column < Model->columnCount(); ++column)
        width += Table->columnWidth(column);
    return width;
}

// Escape closes the window, as it closes a dialog.
void ConvergenceWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        ConvergenceView::keyPressEvent(event);
}

void ConvergenceWindow::ShowRun(const ConvergenceRun& run) {
    Run = run;
    Model->SetRun(run);
    FitStopRows();
    Plot->SetRun(run, Model->Errors());
}

// Only the few rows that end a series have a stop reason: sizing every row to
// its contents would measure every number.
void ConvergenceWindow::FitStopRows() {
    for (int row = 0; row < Model->rowCount(); ++row)
        if (!Model->index(row, ConvergenceTable::StopColumn).data().toString().isEmpty())
            Table->resizeRowToContents(row);
}

// Writes through QSaveFile, so that a failed export (a full disk) leaves the
// file of that name as it was. Unbuffered, so that a write cut short shows
// here: through the buffer, QSaveFile would commit the short file.
QString ConvergenceWindow::WriteWhole(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) // the drawing failed
        return tr("%1 could not be written.").arg(QDir::toNativeSeparators(path));
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 put = file.write(bytes.constData() + done, bytes.size() - done);
        written = put > 0;
        done += put;
    }
    QString reason = file.errorString(); // the failed write's, which commit() would clear
    if (written && file.commit())
        return {};
    if (written)
        reason = file.errorString();
    return tr("%1 could not be written: %2. A file of that name was left as it was.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString ConvergenceWindow::SaveCsv(const QString& path) const {
    return WriteWhole(path, QByteArray::fromStdString(SeriesCsv(Run.Values, Model->Errors())));
}

QString ConvergenceWindow::SaveSvg(const QString& path) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(Plot->size());
    svg.setViewBox(Plot->rect());
    svg.setTitle(Plot->accessibleName());
    svg.setDescription(Plot->accessibleDescription());
    QPainter painter;
    if (painter.begin(&svg)) {
        Plot->render(&painter);
        painter.end();
    }
    return WriteWhole(path, buffer.data());
}

QString ConvergenceWindow::SavePng(const QString& path) {
    const QList<QChartView*> views = Plot->findChildren<QChartView*>();
    for (QChartView* view : views)
        view->setRenderHint(QPainter::Antialiasing);
    const QPixmap image = Plot->grab();
    for (QChartView* view : views)
        view->setRenderHint(QPainter::Antialiasing, false);
    QBuffer buffer;
    image.save(&buffer, "PNG");
    return WriteWhole(path, buffer.data());
}

void ConvergenceWindow::Export(const QString& title, const QString& name, const QString& filter,
                               const std::function<QString(const QString&)>& save) {
    const QString path = QFileDialog::getSaveFileName(this, title, name, filter);
    if (path.isEmpty())
        return;
    const QString failure = save(path);
    if (!failure.isEmpty())
        QMessageBox::warning(this, title, failure);
}

ConvergenceView* ConvergenceModule::Create(QWidget* owner) {
    return new ConvergenceWindow(owner);
}
