#pragma once

#include "ConvergenceView.h"

#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

// One chart per series: its running value against n with the exact limit as a
// line and a marker where it stopped, and |value − exact| on a logarithmic axis
// with the precision where it is above 0. INF and NaN are left out, and the
// legend says how many. The accessible description sums the charts up.
class ConvergencePlot : public QWidget {
    Q_OBJECT

public:
    explicit ConvergencePlot(QWidget* parent = nullptr);

    void SetRun(const ConvergenceRun& run);

private:
    struct Chart {
        QChartView* View;
        QLineSeries* Value;
        QLineSeries* Exact;
        QScatterSeries* Stop;
        QLineSeries* Error;
        QLineSeries* Precision;
        QValueAxis* N;
        QCategoryAxis* ValueAxis;
        QLogValueAxis* ErrorAxis;
    };

    Chart MakeChart(SeriesKind kind);
    // Shows the run's values of `kind`; returns the sentence that sums them up.
    QString ShowSeries(Chart& chart, SeriesKind kind, const ConvergenceRun& run);
    static QString Sentence(SeriesKind kind, int terms, const QList<QPointF>& errors, int leftOut,
                            const TFormatSettings& settings);

    Chart Charts[2];
};
