// The window's actions beyond its buttons: the number labels' context menu,
// copying, the convergence window and the help.
#include "HelpWindow.h"
#include "SeriesCsv.h"
#include "Text.h"
#include "Unit1.h"
#include "ValueLine.h"
#include "WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

namespace {

void Copy(const QString& text) {
    QApplication::clipboard()->setText(text);
}

} // namespace

void TForm1::AddWindowActions() {
    CopyResults = new QAction(tr("Copy all three results"), this);
    CopyResults->setShortcut(CopyResultsKey);
    CopyResults->setEnabled(false);
    QObject::connect(CopyResults, &QAction::triggered, this, [this] { Copy(ResultsText()); });
    addAction(CopyResults);

    OpenConvergence = new QAction(tr("Show the convergence"), this);
    OpenConvergence->setShortcut(ConvergenceKey);
    QObject::connect(OpenConvergence, &QAction::triggered, this, [this] { ShowConvergence(); });
    addAction(OpenConvergence);

    auto* help = new QAction(tr("Help"), this);
    help->setShortcut(QKeySequence::HelpContents);
    QObject::connect(help, &QAction::triggered, this, [this] { ShowHelp(); });
    addAction(help);
}

QString TForm1::ResultsText() const {
    return NumberOf(Label9) + '\n' + NumberOf(Label10) + '\n' + NumberOf(Label6);
}

QString TForm1::NumberOf(const TLabel* label) const {
    const auto shown = [this](float value) { return ToQString(ShownValue(value, Last.Settings)); };
    for (const SeriesSummary& summary : Last.Summaries)
        if (label == ResultLabel(summary.Kind) && !Last.Values.empty())
            return shown(summary.Value);
    if (!ReadBack)
        return {};
    const std::pair<const TLabel*, float> recorded[] = {
        {Label1, ReadBack->Precision}, {Label2, ReadBack->X}, {Label3, ReadBack->Series1}};
    for (const auto& [shownIn, value] : recorded)
        if (label == shownIn)
            return ToQString(ShownValue(value, FormatSettings));
    return {};
}

void TForm1::FillNumberMenu(QMenu& menu, TLabel* label) {
    const QString shown = NumberOf(label);
    QAction* number = menu.addAction(tr("Copy the number"), [shown] { Copy(shown); });
    number->setEnabled(!shown.isEmpty());
    menu.addAction(CopyResults);
    QAction* csv = menu.addAction(tr("Copy every iteration as CSV"),
                                  [this] { Copy(ToQString(SeriesCsv(Last.Values))); });
    csv->setEnabled(!Last.Values.empty());
    menu.addSeparator();
    menu.addAction(OpenConvergence);
}

void TForm1::ShowNumberMenu(TLabel* label, const QPoint& at) {
    auto* menu = new QMenu(label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setToolTipsVisible(true); // why an entry is off
    FillNumberMenu(*menu, label);
    menu->popup(label->mapToGlobal(at));
}

void TForm1::ShowHelp() {
    if (!Help)
        Help = new HelpWindow(this);
    Help->show();
    Help->raise();
    Help->activateWindow();
}
