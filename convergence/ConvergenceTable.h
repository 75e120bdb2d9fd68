#pragma once

#include "ConvergenceView.h"
#include "SeriesSummary.h"

#include <QAbstractTableModel>

// Every value of one run, a row each, in the evaluator's order: both series'
// iterations, then the combined value. The display shows numbers as the main
// window does; Qt::UserRole gives the single itself (term, value) or n.
class ConvergenceTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { SeriesColumn, IterationColumn, TermColumn, ValueColumn, ErrorColumn, StopColumn };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRun(const ConvergenceRun& run);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Display(const SeriesValue& value, int column) const;

    ConvergenceRun Run;
};
