// The window's actions beyond its buttons: the number labels' context menu,
// copying, the convergence window and the help.
#include "HelpWindow.h"
#include "SeriesCsv.h"
#include "Text.h"
#include "Unit1.h"
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
    return Label9->Value() + '\n' + Label10->Value() + '\n' + Label6->Value();
}

void TForm1::FillNumberMenu(QMenu& menu, TLabel* label) {
    QAction* number = menu.addAction(tr("Copy the number"), [label] { Copy(label->Value()); });
    number->setEnabled(!label->Value().isEmpty());
    menu.addAction(CopyResults);
    QAction* csv = menu.addAction(tr("Copy every iteration as CSV"),
                                  [this] { Copy(ToQString(SeriesCsv(Run))); });
    csv->setEnabled(!Run.empty());
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
