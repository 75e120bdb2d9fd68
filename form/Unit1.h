#pragma once

#include "CalcRecord.h"
#include "CalcState.h"
#include "ConvergenceView.h"
#include "EvaluateSeries.h"
#include "Forms.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

class HelpWindow;
class QAction;
class QMenu;

// The program's one window: two inputs, Compute, Save/Read, the results, the
// read-back record and a drawing of f(x) = (e^2x - 5e^x) / x^4.
class TForm1 : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    TForm1();

    TEdit* Edit1;     // precision
    TEdit* Edit2;     // x
    TButton* Button1; // "Вычислить"
    TButton* Button2; // save, then read back; Tag 0 = save, 1 = read
    TLabel* Label1;   // read-back precision
    TLabel* Label2;   // read-back x
    TLabel* Label3;   // read-back value of the first series
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6; // value of the first series
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;  // value of the second series
    TLabel* Label10; // combined value
    TLabel* Label15;
    TLabel* Label11;
    TLabel* Label12;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label16;
    TLabel* Label17;
    TLabel* Label18;

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void Edit1Change(TObject* Sender);

    // Every value the last Compute handed over, in order.
    const std::vector<SeriesValue>& LastRun() const { return Last.Values; }

    // The three results as the window shows them, one number a line, top to
    // bottom: 5e^x, the combined value, e^2x. What Ctrl+Shift+C copies.
    QString ResultsText() const;

    // The context menu of a result or read-back label: the one place for its
    // entries.
    void FillNumberMenu(QMenu& menu, TLabel* label);
    // The number a result or read-back label shows, if any, as the window
    // writes it: taken from the last Compute or the record read back.
    QString NumberOf(const TLabel* label) const;

    // Opens the convergence window (Ctrl+D) on the last Compute, or raises it.
    void ShowConvergence();
    ConvergenceView* Convergence() const { return ConvergenceWindow; }

private:
    ConvergenceRun Last;                          // the last Compute
    std::optional<CalcRecord> ReadBack;           // the last record read
    ConvergenceView* ConvergenceWindow = nullptr; // created on first open
    QAction* CopyResults = nullptr;               // Ctrl+Shift+C; enabled once there are results
    QAction* OpenConvergence = nullptr;           // Ctrl+D
    HelpWindow* Help = nullptr;                   // made on the first F1

    void AddWindowActions();
    void ShowNumberMenu(TLabel* label, const QPoint& at);
    void ShowHelp();
    void FollowCompute();

    void DescribeForScreenReaders();
    TLabel* ResultLabel(SeriesKind kind) const; // Label6, Label9 or Label10
    void ShowSummaries();
    void SaveRecord();
    void ReadRecord();
    void InputChanged();
};

extern TForm1* Form1;

// The last calculation: written by Compute, saved by Save.
extern TCalcState CalcState;
