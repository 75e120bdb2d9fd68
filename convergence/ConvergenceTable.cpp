#include "ConvergenceTable.h"

#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

void ConvergenceTable::SetRun(const ConvergenceRun& run) {
    beginResetModel();
    Run = run;
    SeriesTracker tracker(run.Precision, run.X);
    for (const SeriesValue& value : run.Values)
        tracker(value);
    Summaries[0] = tracker.Summary(SeriesKind::First);
    Summaries[1] = tracker.Summary(SeriesKind::Second);
    endResetModel();
}

int ConvergenceTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Run.Values.size());
}

int ConvergenceTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StopColumn + 1;
}

QString ConvergenceTable::SeriesName(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::First:
        return tr("e^2x");
    case SeriesKind::Second:
        return tr("5e^x");
    case SeriesKind::Combined:
        break;
    }
    return tr("combined");
}

QVariant ConvergenceTable::Display(const SeriesValue& value, int column) const {
    const bool series = value.Kind != SeriesKind::Combined;
    switch (column) {
    case SeriesColumn:
        return SeriesName(value.Kind);
    case IterationColumn:
        return series ? QVariant(value.Iteration) : QVariant();
    case TermColumn:
        return series ? ToQString(ShownValue(value.Term, Run.Settings)) : QString();
    case ValueColumn:
        return ToQString(ShownValue(value.Value, Run.Settings));
    case ErrorColumn:
        return ToQString(
            ShownValue(double{value.Value} - ExactValue(value.Kind, Run.X), Run.Settings));
    case StopColumn:
        if (value.Stop == SeriesStop::GoesOn)
            return QString();
        return StopText(Summaries[value.Kind == SeriesKind::First ? 0 : 1], Run.Settings)
            .replace('\n', QStringLiteral("; "));
    }
    return {};
}

QVariant ConvergenceTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SeriesValue& value = Run.Values[size_t(index.row())];
    const bool series = value.Kind != SeriesKind::Combined;
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == StopColumn))
        return Display(value, index.column());
    if (role == Qt::TextAlignmentRole && index.column() != SeriesColumn &&
        index.column() != StopColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::UserRole)
        return {};
    switch (index.column()) {
    case IterationColumn:
        return series ? QVariant(value.Iteration) : QVariant();
    case TermColumn:
        return series ? QVariant(value.Term) : QVariant();
    case ValueColumn:
        return value.Value;
    }
    return {};
}

QVariant ConvergenceTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SeriesColumn:
        return tr("series");
    case IterationColumn:
        return tr("n");
    case TermColumn:
        return tr("term");
    case ValueColumn:
        return tr("value");
    case ErrorColumn:
        return tr("shown − exact");
    case StopColumn:
        return tr("stopped");
    }
    return {};
}
