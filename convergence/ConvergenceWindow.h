#pragma once

#include "ConvergenceView.h"

#include <functional>

class ConvergencePlot;
class ConvergenceTable;
class QTableView;

// The window of the convergence module: the table beside the plot, and buttons
// that save them. Escape closes it.
class ConvergenceWindow : public ConvergenceView {
    Q_OBJECT

public:
    explicit ConvergenceWindow(QWidget* owner);

    void ShowRun(const ConvergenceRun& run) override;
    QString SaveCsv(const QString& path) const override;
    QString SaveSvg(const QString& path) override;
    QString SavePng(const QString& path) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SizeColumns();
    // Rows with a stop reason as high as its wrapped lines.
    void FitStopRows();
    int TableWidth() const;
    // Asks for a file name with the standard dialog and saves with `save`.
    void Export(const QString& title, const QString& name, const QString& filter,
                const std::function<QString(const QString&)>& save);

    // Writes `bytes` as the file at `path` whole, or not at all; returns why not.
    static QString WriteWhole(const QString& path, const QByteArray& bytes);

    ConvergenceTable* Model;
    QTableView* Table;
    ConvergencePlot* Plot;
    ConvergenceRun Run;
};
