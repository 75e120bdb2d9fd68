// Speed of one press of "Вычислить" with precision 0 and x = 3 (30 + 30
// iterations) on a shown window. The real form, through its button's clicked
// signal and the layer's handler dispatch, is compared with a bare Qt window
// whose plain slot writes the same precomputed captions to the same labels;
// the difference is the cost of the window layer, the arithmetic and the
// number formatting. Each is timed with and without the event processing that
// performs the deferred repaints.
#include "Application.h"
#include "BareWindow.h"
#include "ConvergenceView.h"
#include "Dialogs.h"
#include "EvaluateSeries.h"
#include "Text.h"
#include "Unit1.h"
#include "ValueLine.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const Precision = "0";
const char* const X = "3";

const char* LabelOf(SeriesKind kind) {
    return kind == SeriesKind::First ? "Label6" : kind == SeriesKind::Second ? "Label9" : "Label10";
}

// The captions one press writes, in order, with the label each goes to: the
// series is run once here, outside any timed loop.
struct CaptionUpdate {
    const char* Label;
    QString Text;
};

std::vector<CaptionUpdate> PressCaptions() {
    std::vector<CaptionUpdate> updates;
    TCalcState state{0, 3, 1};
    EvaluateSeries(state, [&](const SeriesValue& value) {
        updates.push_back(
            {LabelOf(value.Kind), ToQString(ValueLine("Результат:", value.Value, FormatSettings))});
    });
    return updates;
}

void ShowAndWait(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not exposed\n");
    QCoreApplication::processEvents();
}

// One untimed press first, so that the labels already have their final sizes.
template <class Press> void TimePresses(benchmark::State& bench, bool repaint, Press press) {
    press();
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        press();
        if (repaint)
            QCoreApplication::processEvents();
    }
}

// After the presses each label must show the last caption the series gives it,
// or the two windows did not do the same work.
template <class LabelByName>
void CheckCaptions(benchmark::State& bench, const std::vector<CaptionUpdate>& updates,
                   LabelByName label) {
    std::map<std::string, QString> last;
    for (const CaptionUpdate& update : updates)
        last[update.Label] = update.Text;
    for (const auto& [name, text] : last)
        if (label(name.c_str())->text() != text)
            bench.SkipWithError("the window does not show the expected captions");
}

void BM_FormPress(benchmark::State& bench, bool repaint) {
    TForm1 form;
    form.Edit1->SetText(Precision);
    form.Edit2->SetText(X);
    ShowAndWait(form);
    TimePresses(bench, repaint, [&] { form.Button1->click(); });
    CheckCaptions(bench, PressCaptions(), [&](const char* name) {
        return form.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    });
}

// The same press, repainted, while the convergence window is open and follows
// each Compute with its table and plot.
void BM_FormPressConvergenceOpen(benchmark::State& bench) {
    TForm1 form;
    form.Edit1->SetText(Precision);
    form.Edit2->SetText(X);
    ShowAndWait(form);
    form.ShowConvergence();
    if (!form.Convergence() || !QTest::qWaitForWindowExposed(form.Convergence()))
        bench.SkipWithError("the convergence window did not open");
    TimePresses(bench, true, [&] { form.Button1->click(); });
}

// A press with 10,000 pasted characters in the precision input: refused text
// ends the press with a conversion error, a long valid number still computes.
void BM_FormPressPasted(benchmark::State& bench, bool valid) {
    TForm1 form;
    form.Edit1->setText(valid ? "0.001" + QString(9995, '0') : QString(10000, 'x'));
    form.Edit2->SetText(X);
    ShowAndWait(form);
    int errors = 0;
    const MessagePresenter previous =
        SetMessagePresenter([&errors](MessageKind, const std::string&) { ++errors; });
    TimePresses(bench, true, [&] { form.Button1->click(); });
    SetMessagePresenter(previous);
    if ((errors > 0) == valid)
        bench.SkipWithError("the press did not end as expected");
}

// `selectable`: the bare window's labels are set up as the form's are.
void BM_BarePress(benchmark::State& bench, bool repaint, bool selectable) {
    BareWindow window(selectable);
    window.findChild<QLineEdit*>("Edit1")->setText(Precision);
    window.findChild<QLineEdit*>("Edit2")->setText(X);
    struct Update {
        QLabel* Label;
        QString Text;
    };
    std::vector<Update> updates;
    const std::vector<CaptionUpdate> captions = PressCaptions();
    for (const CaptionUpdate& caption : captions)
        updates.push_back({window.Label(caption.Label), caption.Text});
    auto* button = window.findChild<QPushButton*>("Button1");
    QObject::connect(button, &QPushButton::clicked, &window, [&updates] {
        for (const Update& update : updates) {
            update.Label->setText(update.Text);
            update.Label->adjustSize();
        }
    });
    ShowAndWait(window);
    TimePresses(bench, repaint, [&] { button->click(); });
    CheckCaptions(bench, captions, [&](const char* name) { return window.Label(name); });
}

BENCHMARK_CAPTURE(BM_FormPress, no_repaint, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BarePress, no_repaint, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BarePress, no_repaint_selectable, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormPress, repaint, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BarePress, repaint, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BarePress, repaint_selectable, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormPressConvergenceOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormPressPasted, letters, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormPressPasted, long_number, true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name; the rest of the command line is the
    // benchmark library's.
    int qtArgc = 1;
    TApplication application(qtArgc, argv);
    Application->Initialize();
    // A message box would wait for a user; print the message instead.
    SetMessagePresenter([](MessageKind, const std::string& text) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
