#include "ConvergenceTable.h"

#include "SeriesWords.h"
#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QTextDocument>

#include <cmath>
#include <iterator>

void ConvergenceTable::SetRun(const ConvergenceRun& run) {
    beginResetModel();
    Run = run;
    Split = SplitErrors(run.Values);
    endResetModel();
}

int ConvergenceTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Run.Values.size());
}

int ConvergenceTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StopColumn + 1;
}

// Why the series stopped on its last row, a mark where it stopped changing,
// and on the combined row what the subtraction cost.
QString ConvergenceTable::StopCell(const SeriesValue& value) const {
    const SeriesSummary& summary = Run.Summaries[int(value.Kind)];
    if (value.Kind == SeriesKind::Combined) {
        const QString exact = ToQString(ShownValue(summary.Exact, Run.Settings));
        if (!std::isfinite(summary.Value)) // no cancellation to speak of in INF or NaN
            return tr("exact %1").arg(exact);
        if (!std::isfinite(summary.Condition))
            return tr("exact %1; both series give the same number: all digits lost").arg(exact);
        return tr("exact %1; condition %2, %3 digits lost")
            .arg(exact, ToQString(SplitValue(summary.Condition, Run.Settings)),
                 ToQString(Hundredths(summary.DigitsLost, Run.Settings)));
    }
    if (value.Stop != SeriesStop::GoesOn)
        return StopText(summary, Run.Settings).replace('\n', QStringLiteral("; "));
    if (value.Iteration == summary.Settled)
        return tr("no longer changes");
    return {};
}

QString ConvergenceTable::StopTip(const SeriesValue& value) const {
    if (value.Kind != SeriesKind::Combined && value.Stop == SeriesStop::GoesOn &&
        value.Iteration == Run.Summaries[int(value.Kind)].Settled)
        return SettledText(Run.Summaries[int(value.Kind)]);
    return StopCell(value);
}

QVariant ConvergenceTable::Display(int row, int column) const {
    const SeriesValue& value = Run.Values[size_t(row)];
    const ValueErrors* split = size_t(row) < Split.size() ? &Split[size_t(row)] : nullptr;
    const auto number = [&](std::string text) { return ToQString(text); };
    const bool series = value.Kind != SeriesKind::Combined;
    switch (column) {
    case SeriesColumn:
        return WordsFor(value.Kind).Name;
    case IterationColumn:
        return series ? QVariant(value.Iteration) : QVariant();
    case TermColumn:
        return series ? number(ShownValue(value.Term, Run.Settings)) : QString();
    case ValueColumn:
        return number(ShownValue(value.Value, Run.Settings));
    case ErrorColumn:
        return number(
            ShownValue(double{value.Value} - Run.Summaries[int(value.Kind)].Exact, Run.Settings));
    case TruncationColumn:
        return split ? number(SplitValue(split->Truncation.ToDouble(), Run.Settings)) : QString();
    case RoundingColumn:
        return split && split->Rounding
                   ? number(SplitValue(split->Rounding->ToDouble(), Run.Settings))
                   : QString();
    case UlpsColumn:
        return split && split->Ulps ? number(Hundredths(*split->Ulps, Run.Settings)) : QString();
    case DigitsColumn:
        return split && split->Digits ? number(Hundredths(*split->Digits, Run.Settings))
                                      : QString();
    case DoubleColumn:
        return split ? number(SplitValue(split->DoubleError.ToDouble(), Run.Settings)) : QString();
    case StopColumn:
        return StopCell(value);
    }
    return {};
}

QVariant ConvergenceTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SeriesValue& value = Run.Values[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return Display(index.row(), index.column());
    if (role == Qt::ToolTipRole && index.column() == StopColumn) { // rich text wraps
        const QString why = StopTip(value);
        return why.isEmpty() ? QVariant() : Qt::convertFromPlainText(why, Qt::WhiteSpaceNormal);
    }
    if (role == Qt::TextAlignmentRole && index.column() != SeriesColumn &&
        index.column() != StopColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ConvergenceTable::headerData(int section, Qt::Orientation orientation, int role) const {
    // Each column's header, and the narrow ones' in full.
    static constexpr const char* Headers[][2] = {
        {QT_TR_NOOP("series"), nullptr},
        {QT_TR_NOOP("n"), nullptr},
        {QT_TR_NOOP("term"), nullptr},
        {QT_TR_NOOP("value"), nullptr},
        {QT_TR_NOOP("shown − exact"), nullptr},
        {QT_TR_NOOP("trunc."),
         QT_TR_NOOP("truncation: the exact sum of the first n terms minus the exact limit, what "
                    "cutting the series off costs")},
        {QT_TR_NOOP("round."),
         QT_TR_NOOP("rounding: the value minus the exact sum of the same n terms, what single "
                    "precision costs")},
        {QT_TR_NOOP("ulps"), QT_TR_NOOP("the rounding in units in the last place of the value")},
        {QT_TR_NOOP("digits"),
         QT_TR_NOOP("correct significant digits of the value against the exact limit")},
        {QT_TR_NOOP("double err."),
         QT_TR_NOOP("the same statements with every store in double, minus the exact limit; "
                    "not the program's result")},
        {QT_TR_NOOP("stopped"), nullptr},
    };
    static_assert(std::size(Headers) == StopColumn + 1);
    if (orientation != Qt::Horizontal || section < 0 || section > StopColumn)
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto [text, tip] = Headers[section];
    if (role == Qt::DisplayRole)
        return tr(text);
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && tip)
        return tr(tip);
    return {};
}
