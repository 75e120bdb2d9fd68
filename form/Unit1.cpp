#include "Unit1.h"

#include "CalcRecord.h"
#include "ConvergenceLoader.h"
#include "Dialogs.h"
#include "EvaluateSeries.h"
#include "FileMessages.h"
#include "ResultHint.h"
#include "SeriesSummary.h"
#include "SeriesWords.h"
#include "Spoken.h"
#include "StrToFloat.h"
#include "Text.h"
#include "Unit1Layout.h"
#include "ValueLine.h"

#include <QDir>

TForm1* Form1 = nullptr;
TCalcState CalcState;

namespace {

constexpr int SaveState = 0;
constexpr int ReadState = 1;

} // namespace

TForm1::TForm1() : TForm(Form1Description) {
    CreateControls(*this, Form1Controls);
    Button2->SetEnabled(false);

    SetDefaultButton(Button1);
    for (TLabel* number : {Label1, Label2, Label3, Label6, Label9, Label10}) {
        number->SetSelectable(true);
        number->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(number, &QWidget::customContextMenuRequested, this,
                         [this, number](const QPoint& at) { ShowNumberMenu(number, at); });
    }
    for (SeriesKind kind : SeriesKinds)
        ResultLabel(kind)->SetHint(WordsFor(kind).Result);
    AddWindowActions();
    DescribeForScreenReaders();
}

// Screen readers read the numbers by what the labels show. The formula's
// fragments read as one element.
void TForm1::DescribeForScreenReaders() {
    Edit1->SetAccessibleName(Label4->Caption());
    Edit2->SetAccessibleName(Label5->Caption());
    Label1->SetAccessibleDescription(FromQString(tr("recorded precision")));
    Label2->SetAccessibleDescription(FromQString(tr("recorded x")));
    Label3->SetAccessibleDescription(FromQString(tr("recorded value of the e^2x series")));
    Label18->SetAccessibleName("f(x) = (e^(2x) − 5e^x) / x^4");
    for (TLabel* fragment : {Label15, Label11, Label12, Label13, Label14, Label16, Label17})
        fragment->HideFromScreenReaders();
}

TLabel* TForm1::ResultLabel(SeriesKind kind) const {
    TLabel* const labels[] = {Label6, Label9, Label10}; // in the order of SeriesKind
    return labels[int(kind)];
}

void TForm1::Button1Click(TObject*) {
    Button2->SetEnabled(true);
    Button2->SetCaption("Зберегти");
    Button2->Tag = SaveState;
    CalcState.Series1 = 1;
    CalcState.Precision = static_cast<float>(StrToFloat(Edit1->GetText()));
    CalcState.X = static_cast<float>(StrToFloat(Edit2->GetText()));
    SeriesTracker tracker(CalcState.Precision, CalcState.X);
    Last = {{}, {}, CalcState.Precision, CalcState.X, FormatSettings};
    EvaluateSeries(CalcState, [this, &tracker](const SeriesValue& value) {
        tracker(value);
        Last.Values.push_back(value);
        ResultLabel(value.Kind)->SetCaption(ValueLine("Результат:", value.Value, FormatSettings));
    });
    for (SeriesKind kind : SeriesKinds)
        Last.Summaries[int(kind)] = tracker.Summary(kind);
    CopyResults->setEnabled(true);
    ShowSummaries();
    FollowCompute();
}

// Each result's hint tells how it came about. Each result label is named by
// its series and value, and the three are spoken together, as screen readers
// ignore the labels' own changes.
void TForm1::ShowSummaries() {
    QStringList spoken;
    for (const SeriesSummary& summary : Last.Summaries) {
        const SeriesKind kind = summary.Kind;
        ResultLabel(kind)->SetHint(ResultHint(summary, FormatSettings));
        spoken << SpokenResult(kind, summary.Value, FormatSettings);
        if (const QString lost = CancellationText(summary); !lost.isEmpty())
            spoken.back() += "; " + lost;
        ResultLabel(kind)->setAccessibleName(spoken.back());
    }
    Announce(this, spoken.join("; "));
}

// The convergence window, while open, shows each new Compute.
void TForm1::FollowCompute() {
    if (ConvergenceWindow && ConvergenceWindow->isVisible())
        ConvergenceWindow->ShowRun(Last);
}

void TForm1::ShowConvergence() {
    if (!ConvergenceWindow) {
        QString why;
        ConvergenceWindow = LoadConvergenceView(this, why);
        if (!ConvergenceWindow) {
            // Nothing to retry: the action stays off and says why.
            OpenConvergence->setEnabled(false);
            OpenConvergence->setToolTip(why);
            Announce(this, why);
            return;
        }
    }
    Last.Settings = FormatSettings; // before the first Compute too
    ConvergenceWindow->ShowRun(Last);
    ConvergenceWindow->show();
    ConvergenceWindow->raise();
    ConvergenceWindow->activateWindow();
}

void TForm1::Button2Click(TObject*) {
    if (Button2->Tag != ReadState)
        SaveRecord();
    else
        ReadRecord();
}

// Only a save that wrote all 20 bytes switches the button to reading. A file
// left alone is named with its folder and the reason.
void TForm1::SaveRecord() {
    const SaveResult result = SaveCalcRecord(CalcState);
    if (result != SaveResult::Saved) {
        const QString why = SaveFailure(result, QDir::currentPath());
        ShowMessage(why.isEmpty() ? std::string("Файл невдається створити") : FromQString(why));
        return;
    }
    Button2->Tag = ReadState;
    Button2->SetCaption("Читати");
    Announce(this, SpokenSaved());
}

void TForm1::ReadRecord() {
    const LoadResult loaded = LoadCalcRecord();
    if (loaded.Status != LoadStatus::Loaded) {
        const QString why = ReadFailure(loaded.Status, QDir::currentPath());
        ShowMessage(why.isEmpty() ? std::string("Файл не вдається відкрити") : FromQString(why));
        return;
    }
    ReadBack = loaded.Record;
    Label1->SetVisible(true);
    Label2->SetVisible(true);
    Label3->SetVisible(true);
    Label1->SetCaption(
        ValueLine("Записане число точність:", loaded.Record.Precision, FormatSettings));
    Label2->SetCaption(ValueLine("Записане число степінь:", loaded.Record.X, FormatSettings));
    Label3->SetCaption(
        ValueLine("Записане число результат:", loaded.Record.Series1, FormatSettings));
    Announce(this, SpokenRecord(loaded.Record, FormatSettings));
}

void TForm1::Edit2Change(TObject*) {
    InputChanged();
}

void TForm1::Edit1Change(TObject*) {
    InputChanged();
}

// What is shown no longer belongs to the inputs: no save or read until the
// next computation.
void TForm1::InputChanged() {
    Button2->SetEnabled(false);
    Label1->SetVisible(false);
    Label2->SetVisible(false);
    Label3->SetVisible(false);
}
