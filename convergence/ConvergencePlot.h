#pragma once

#include "ConvergenceView.h"
#include "ErrorSplit.h"

#include <span>

#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;

// One chart per series: its running value against n with the exact limit as a
// line, a marker where it stopped and one where it stopped changing; and on a
// logarithmic axis the error, |value − exact|, with its two parts, truncation
// and rounding, beside half an ulp of the value and the precision where it is
// above 0. What a log axis cannot show (INF, NaN, 0) is left out, and the
// legend says how much. The accessible description sums the charts up.
class ConvergencePlot : public QWidget {
    Q_OBJECT

public:
    explicit ConvergencePlot(QWidget* parent = nullptr);

    // `errors`: SplitErrors of the run's values.
    void SetRun(const ConvergenceRun& run, std::span<const ValueErrors> errors);

private:
    struct Chart {
        QChartView* View;
        QLineSeries* Value;
        QLineSeries* Exact;
        QScatterSeries* Stop;
        QScatterSeries* Settled;
        QLineSeries* Error;
        QLineSeries* Truncation;
        QLineSeries* Rounding;
        QLineSeries* HalfUlp;
        QLineSeries* Precision;
        QCategoryAxis* N;
        QCategoryAxis* ValueAxis;
        QCategoryAxis* ErrorAxis; // over the errors' logarithms
    };

    Chart MakeChart(SeriesKind kind);
    // Shows the run's values of `kind`; returns the sentence that sums them up.
    QString ShowSeries(Chart& chart, SeriesKind kind, const ConvergenceRun& run,
                       std::span<const ValueErrors> errors);
    static QString Sentence(SeriesKind kind, int terms, const QList<QPointF>& errors, int leftOut,
                            const TFormatSettings& settings);

    Chart Charts[2];
};
