#pragma once

#include "ConvergenceView.h"
#include "ErrorSplit.h"
#include "SeriesSummary.h"

#include <QAbstractTableModel>

// Every value of one run, a row each, in the evaluator's order: both series'
// iterations, then the combined value. The display shows numbers as the main
// window does. Beside the error, where it comes from: truncation, rounding, and the double run's.
// The iteration after which a series no longer changes has a mark in the stop
// column; the combined row says there how much cancellation cost.
class ConvergenceTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        SeriesColumn,
        IterationColumn,
        TermColumn,
        ValueColumn,
        ErrorColumn,
        TruncationColumn,
        RoundingColumn,
        UlpsColumn,
        DigitsColumn,
        DoubleColumn,
        StopColumn
    };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRun(const ConvergenceRun& run);
    // SplitErrors of the run's values, made once when it came.
    const std::vector<ValueErrors>& Errors() const { return Split; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Display(int row, int column) const;
    QString StopCell(const SeriesValue& value) const;
    QString StopTip(const SeriesValue& value) const;

    ConvergenceRun Run;
    std::vector<ValueErrors> Split;
};
