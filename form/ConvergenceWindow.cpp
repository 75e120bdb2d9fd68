#include "ConvergenceWindow.h"

#include "ConvergencePlot.h"
#include "ConvergenceTable.h"
#include "SeriesCsv.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>

ConvergenceWindow::ConvergenceWindow(QWidget* owner)
    : ConvergenceView(owner, Qt::Window), Model(new ConvergenceTable(this)), Table(new QTableView),
      Plot(new ConvergencePlot) {
    setWindowTitle(tr("Convergence"));
    Table->setModel(Model);
    Table->setAccessibleName(tr("Every iteration"));
    Table->verticalHeader()->hide();
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* splitter = new QSplitter;
    splitter->addWidget(Table);
    splitter->addWidget(Plot);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& caption, auto handler) {
        auto* b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
    };
    button(tr("Save table as CSV…"), [this] {
        Export(tr("Save the table"), "convergence.csv", tr("CSV files (*.csv)"),
               [this](const QString& path) { return SaveCsv(path); });
    });
    button(tr("Save plot as SVG…"), [this] {
        Export(tr("Save the plot"), "convergence.svg", tr("SVG images (*.svg)"),
               [this](const QString& path) { return SaveSvg(path); });
    });
    button(tr("Save plot as PNG…"), [this] {
        Export(tr("Save the plot"), "convergence.png", tr("PNG images (*.png)"),
               [this](const QString& path) { return SavePng(path); });
    });
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(1100, 650);
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
    Table->resizeColumnsToContents();
    Plot->SetRun(run);
}

bool ConvergenceWindow::SaveCsv(const QString& path) const {
    const std::string csv = SeriesCsv(Run.Values);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) && file.flush();
}

bool ConvergenceWindow::SaveSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(Plot->size());
    svg.setViewBox(Plot->rect());
    svg.setTitle(Plot->accessibleName());
    svg.setDescription(Plot->accessibleDescription());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    Plot->render(&painter);
    return painter.end();
}

bool ConvergenceWindow::SavePng(const QString& path) {
    return Plot->grab().save(path, "PNG");
}

void ConvergenceWindow::Export(const QString& title, const QString& name, const QString& filter,
                               const std::function<bool(const QString&)>& save) {
    const QString path = QFileDialog::getSaveFileName(this, title, name, filter);
    if (!path.isEmpty() && !save(path))
        QMessageBox::warning(this, title, tr("%1 could not be written.").arg(path));
}

extern "C" Q_DECL_EXPORT ConvergenceView* CreateConvergenceView(QWidget* owner) {
    return new ConvergenceWindow(owner);
}
