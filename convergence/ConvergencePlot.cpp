#include "ConvergencePlot.h"

#include "AxisTicks.h"
#include "ConvergenceTable.h"
#include "SeriesSummary.h"
#include "SeriesWords.h"
#include "StopText.h"
#include "Text.h"
#include "ValueLine.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The lowest and highest of some values, or the fallback when there are none;
// never an empty range.
struct Range {
    double Low = INFINITY, High = -INFINITY;
    void Add(double value) { Low = std::min(Low, value), High = std::max(High, value); }
};

// Round ticks, labelled by us in our own number formats: Qt's would repeat a
// label where the range is narrow, and write a point whatever the locale.
void SetTicks(QCategoryAxis* axis, const AxisTicks& ticks, double low, double high) {
    QStringList labels;
    for (const std::string& label : ticks.Labels)
        labels << ToQString(label);
    if (axis->categoriesLabels() != labels) {
        for (const QString& old : axis->categoriesLabels())
            axis->remove(old);
        for (qsizetype i = 0; i < labels.size(); ++i)
            axis->append(labels[i], ticks.First + double(i) * ticks.Step);
    }
    // A new range lays the axis out again, its labels' text included: the
    // slowest part of showing a run. Only a change does that.
    if (axis->min() != low || axis->max() != high)
        axis->setRange(low, high);
}

void SetLinearRange(QCategoryAxis* axis, Range range, const TFormatSettings& settings) {
    if (range.Low > range.High)
        range = {0, 1};
    const double pad = range.High > range.Low ? (range.High - range.Low) * 0.05
                                              : std::max(std::abs(range.High) * 0.05, 1.0);
    const double low = range.Low - pad, high = range.High + pad;
    SetTicks(axis, LinearTicks(low, high, settings), low, high);
}

// Whole decades around the values, on a linear axis of their logarithms,
// labelled on each, or on every second where they would crowd.
void SetLogRange(QCategoryAxis* axis, Range range) {
    if (range.Low > range.High)
        range = {0.1, 1};
    const int low = int(std::floor(std::log10(range.Low)));
    const int high = std::max(int(std::ceil(std::log10(range.High))), low + 1);
    SetTicks(axis, DecadeTicks(low, high), low, high);
}

// The points of one error line a log axis can show, and their heights on it
// as decades, laid out linearly; the rest counted.
struct LogLine {
    QList<QPointF> Points, Decades;
    int LeftOut = 0;
    void Add(int n, double error, Range& range) {
        if (!(std::isfinite(error) && error > 0)) { // a log axis has no place for 0
            ++LeftOut;
            return;
        }
        Points << QPointF(n, error);
        Decades << QPointF(n, std::log10(error));
        range.Add(error);
    }
};

// Half the spacing of singles at `value`; 0 where there is none to show.
double HalfUlp(float value) {
    if (!std::isfinite(value) || value == 0)
        return 0;
    const float next = std::nextafter(std::abs(value), INFINITY);
    return (double{next} - std::abs(double{value})) / 2;
}

template <class Series> Series* Add(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    auto* series = new Series(chart);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

// The theme's next colour, unless `color` names one: the error and its parts
// each have their own, apart from the value's.
QLineSeries* AddLine(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, Qt::PenStyle style,
                     QColor color = {}) {
    auto* line = Add<QLineSeries>(chart, x, y);
    if (style != Qt::SolidLine || color.isValid()) {
        QPen pen = line->pen();
        pen.setStyle(style);
        if (color.isValid())
            pen.setColor(color);
        line->setPen(pen);
    }
    return line;
}

} // namespace

ConvergencePlot::ConvergencePlot(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (SeriesKind kind : {SeriesKind::First, SeriesKind::Second}) {
        Charts[int(kind)] = MakeChart(kind);
        layout->addWidget(Charts[int(kind)].View);
    }
    setAccessibleName(tr("Convergence plot"));
}

ConvergencePlot::Chart ConvergencePlot::MakeChart(SeriesKind kind) {
    auto* chart = new QChart;
    chart->setTitle(tr("%1 series").arg(WordsFor(kind).Name));
    chart->legend()->setAlignment(Qt::AlignRight);
    Chart c{};
    c.View = new QChartView(chart, this);
    c.View->setObjectName(WordsFor(kind).Id);
    // No antialiasing on screen: it would double the cost of following a
    // Compute. The PNG export has it.
    c.View->setFocusPolicy(Qt::NoFocus);
    c.View->setAccessibleName(chart->title());
    const auto axis = [chart](const QString& title, Qt::Alignment side) {
        auto* a = new QCategoryAxis(chart);
        a->setTitleText(title);
        a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        chart->addAxis(a, side);
        return a;
    };
    c.N = axis(tr("n"), Qt::AlignBottom);
    c.ValueAxis = axis(tr("value"), Qt::AlignLeft);
    c.ErrorAxis = axis(tr("|value − exact|"), Qt::AlignRight);
    // Qt shares out the height among one label more than a category axis has,
    // and would elide the decades' labels where they fit.
    c.ErrorAxis->setTruncateLabels(false);

    c.Value = AddLine(chart, c.N, c.ValueAxis, Qt::SolidLine);
    c.Value->setObjectName("value");
    c.Value->setPointsVisible(true);
    c.Exact = AddLine(chart, c.N, c.ValueAxis, Qt::DashLine);
    c.Stop = Add<QScatterSeries>(chart, c.N, c.ValueAxis);
    c.Stop->setMarkerSize(14);
    c.Settled = Add<QScatterSeries>(chart, c.N, c.ValueAxis);
    c.Settled->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    c.Settled->setMarkerSize(12);
    c.Error = AddLine(chart, c.N, c.ErrorAxis, Qt::SolidLine, QColor(200, 30, 30));
    c.Truncation = AddLine(chart, c.N, c.ErrorAxis, Qt::DashLine, QColor(110, 40, 170));
    c.Rounding = AddLine(chart, c.N, c.ErrorAxis, Qt::DashDotLine, QColor(20, 130, 60));
    c.HalfUlp = AddLine(chart, c.N, c.ErrorAxis, Qt::DotLine, QColor(120, 120, 120));
    c.Precision = AddLine(chart, c.N, c.ErrorAxis, Qt::DotLine);
    return c;
}

void ConvergencePlot::SetRun(const ConvergenceRun& run, std::span<const ValueErrors> errors) {
    QStringList sentences;
    for (SeriesKind kind : {SeriesKind::First, SeriesKind::Second}) {
        Chart& chart = Charts[int(kind)];
        sentences << ShowSeries(chart, kind, run, errors);
        chart.View->setAccessibleDescription(sentences.back());
    }
    setAccessibleDescription(sentences.join(' '));
}

QString ConvergencePlot::ShowSeries(Chart& chart, SeriesKind kind, const ConvergenceRun& run,
                                    std::span<const ValueErrors> split) {
    const double exact = ExactDouble(kind, run.X); // also before any Compute
    QList<QPointF> values;
    LogLine errors, truncation, rounding;
    Range valueRange, errorRange;
    int leftOut = 0;
    for (size_t i = 0; i < run.Values.size(); ++i) {
        const SeriesValue& v = run.Values[i];
        if (v.Kind != kind)
            continue;
        if (i < split.size()) {
            truncation.Add(v.Iteration, std::abs(split[i].Truncation.ToDouble()), errorRange);
            rounding.Add(v.Iteration,
                         split[i].Rounding ? std::abs(split[i].Rounding->ToDouble()) : NAN,
                         errorRange);
        }
        errors.Add(v.Iteration, std::abs(double{v.Value} - exact), errorRange);
        if (!std::isfinite(v.Value)) {
            ++leftOut;
            continue;
        }
        values << QPointF(v.Iteration, v.Value);
        valueRange.Add(v.Value);
    }
    const SeriesSummary& summary = run.Summaries[int(kind)];
    const double last = std::max(summary.Iterations, 2);

    chart.Value->replace(values);
    chart.Value->setName(leftOut ? tr("value, %n INF or NaN left out", "", leftOut) : tr("value"));
    chart.Exact->clear();
    if (std::isfinite(exact)) {
        chart.Exact->append({QPointF(1, exact), QPointF(last, exact)});
        valueRange.Add(exact);
    }
    chart.Exact->setName(tr("exact %1").arg(ToQString(ShownValue(exact, run.Settings))));
    chart.Stop->clear();
    chart.Stop->setVisible(summary.Iterations > 0); // before the first Compute nothing stopped
    if (summary.Iterations > 0 && std::isfinite(summary.Value))
        chart.Stop->append(summary.Iterations, summary.Value);
    chart.Stop->setName(tr("stopped at n = %1").arg(summary.Iterations));
    chart.Settled->clear();
    chart.Settled->setVisible(summary.Settled > 0);
    if (summary.Settled > 0) {
        chart.Settled->append(summary.Settled, summary.Value);
        chart.Settled->setName(tr("unchanged after n = %1").arg(summary.Settled));
    }
    const auto showLine = [&](QLineSeries* line, const LogLine& points, const QString& name) {
        line->replace(points.Decades);
        line->setName(points.LeftOut
                          ? tr("%1, %n left out: 0, INF or NaN", "", points.LeftOut).arg(name)
                          : name);
    };
    showLine(chart.Error, errors, tr("|value − exact|"));
    showLine(chart.Truncation, truncation, tr("|truncation|"));
    showLine(chart.Rounding, rounding, tr("|rounding|"));
    const auto showLevel = [&](QLineSeries* line, double level, const QString& name) {
        line->clear();
        line->setVisible(level > 0);
        if (level > 0) {
            line->append({QPointF(1, std::log10(level)), QPointF(last, std::log10(level))});
            line->setName(name);
            errorRange.Add(level);
        }
    };
    const double halfUlp = HalfUlp(summary.Value);
    showLevel(chart.HalfUlp, halfUlp,
              tr("half an ulp %1").arg(ToQString(RoughValue(halfUlp, run.Settings))));
    showLevel(chart.Precision, run.Precision,
              tr("precision %1").arg(ToQString(ShownValue(run.Precision, run.Settings))));
    // Room for the markers at both ends.
    SetTicks(chart.N, TermTicks(int(last), run.Settings), 0.5, last + 0.5);
    SetLinearRange(chart.ValueAxis, valueRange, run.Settings);
    SetLogRange(chart.ErrorAxis, errorRange);

    QString sentence = Sentence(kind, summary.Iterations, errors.Points, leftOut, run.Settings);
    if (const QString settled = SettledText(summary); !settled.isEmpty())
        sentence += ' ' + tr("Where it settles: %1.").arg(settled);
    if (!truncation.Points.isEmpty() && !rounding.Points.isEmpty() &&
        truncation.Points.back().x() == rounding.Points.back().x())
        sentence += ' ' + (truncation.Points.back().y() > rounding.Points.back().y()
                               ? tr("At the end, truncation is the larger part of the error.")
                               : tr("At the end, rounding is the larger part of the error."));
    return sentence;
}

// "e^2x: 10 terms, the error falls from 4.4 to 0.000061."
QString ConvergencePlot::Sentence(SeriesKind kind, int terms, const QList<QPointF>& errors,
                                  int leftOut, const TFormatSettings& settings) {
    const auto number = [&](double value) { return ToQString(RoughValue(value, settings)); };
    const QString name = WordsFor(kind).Name;
    QString sentence = tr("%1: %n terms", "", terms).arg(name);
    if (errors.isEmpty())
        sentence += tr(", no finite error");
    else if (errors.size() == 1)
        sentence += tr(", the error is %1").arg(number(errors.front().y()));
    else
        sentence += (errors.back().y() < errors.front().y() ? tr(", the error falls from %1 to %2")
                                                            : tr(", the error grows from %1 to %2"))
                        .arg(number(errors.front().y()), number(errors.back().y()));
    if (leftOut)
        sentence += tr(", %n INF or NaN values left out", "", leftOut);
    return sentence + '.';
}
