#include "ConvergenceTable.h"

#include "SeriesWords.h"
#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QTextDocument>

void ConvergenceTable::SetRun(const ConvergenceRun& run) {
    beginResetModel();
    Run = run;
    endResetModel();
}

int ConvergenceTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Run.Values.size());
}

int ConvergenceTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StopColumn + 1;
}

QVariant ConvergenceTable::Display(const SeriesValue& value, int column) const {
    const bool series = value.Kind != SeriesKind::Combined;
    switch (column) {
    case SeriesColumn:
        return WordsFor(value.Kind).Name;
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
        return StopText(Run.Summaries[int(value.Kind)], Run.Settings)
            .replace('\n', QStringLiteral("; "));
    }
    return {};
}

QVariant ConvergenceTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SeriesValue& value = Run.Values[size_t(index.row())];
    const bool series = value.Kind != SeriesKind::Combined;
    if (role == Qt::DisplayRole)
        return Display(value, index.column());
    if (role == Qt::ToolTipRole && index.column() == StopColumn) { // rich text wraps
        const QString why = Display(value, index.column()).toString();
        return why.isEmpty() ? QVariant() : Qt::convertFromPlainText(why, Qt::WhiteSpaceNormal);
    }
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
