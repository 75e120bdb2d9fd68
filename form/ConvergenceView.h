#pragma once

#include "EvaluateSeries.h"
#include "FormatSettings.h"
#include "SeriesSummary.h"

#include <QWidget>
#include <QtPlugin>

#include <vector>

// One Compute: every value handed over, in order, the summary of each kind
// (indexed by SeriesKind), and the inputs they came from. Built once, and
// shown by the main window and the convergence window alike.
struct ConvergenceRun {
    std::vector<SeriesValue> Values;
    SeriesSummary Summaries[3];
    float Precision = 0;
    float X = 0;
    TFormatSettings Settings; // how the main window writes numbers
};

// The convergence window: every iteration in a table, a plot, and exports. It
// lives in a module of its own (convergence.so), loaded when it first opens,
// so that Qt Charts costs the program's start-up nothing.
class ConvergenceView : public QWidget {
public:
    using QWidget::QWidget;

    // Shows this run in the table and the plot.
    virtual void ShowRun(const ConvergenceRun& run) = 0;

    // The exports. Each writes one file whole or leaves the file of that name
    // as it was, and returns an empty text, or the message saying why not.
    virtual QString SaveCsv(const QString& path) const = 0; // exactly `series-table --csv`
    virtual QString SaveSvg(const QString& path) = 0;       // the plot
    virtual QString SavePng(const QString& path) = 0;       // the plot
};

// The module's one entry, a Qt plugin: makes a new, hidden window owned by
// `owner`. The interface id names the version of ConvergenceRun and
// ConvergenceView that both sides were built with: change either, and the
// number goes up, so that a module of another version is refused.
class ConvergencePlugin {
public:
    virtual ~ConvergencePlugin() = default;
    virtual ConvergenceView* Create(QWidget* owner) = 0;
};

#define ConvergencePlugin_iid "io.github.seriescalc.SeriesCalc.ConvergencePlugin/1"
Q_DECLARE_INTERFACE(ConvergencePlugin, ConvergencePlugin_iid)
