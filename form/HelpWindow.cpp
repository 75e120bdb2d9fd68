#include "HelpWindow.h"

#include "EvaluateSeries.h"
#include "Version.h"
#include "WindowKeys.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QKeySequence>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Paragraph(const QString& text) {
    return "<p>" + text + "</p>";
}

QString Heading(const QString& text) {
    return "<h3>" + text + "</h3>";
}

// A key by the name the keyboard's keycaps and the desktop use.
QString KeyName(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText).toHtmlEscaped();
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Series Calculator help"));
    auto* text = new QTextBrowser(this);
    text->setHtml(Text());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // As large as the help reads well, but no larger than the screen.
    resize(QSize(520, 560).boundedTo(parent->screen()->availableGeometry().size() * 0.9));
    // Closed, it hands the keyboard back to the window it describes.
    connect(this, &QDialog::finished, parent, [parent] { parent->activateWindow(); });
}

QString HelpWindow::Text() {
    const QString compute = QStringLiteral("Вычислить"), save = QStringLiteral("Зберегти"),
                  read = QStringLiteral("Читати");
    QString html = Heading(tr("What it computes"));
    html += Paragraph(tr("Type x into the upper input and the precision into the lower one, "
                         "then press %1. The program sums two power series term by term in "
                         "single precision: 1 + Σ (2x)ⁿ/n!, which approaches e^2x, and "
                         "5·(1 + Σ xⁿ/n!), which approaches 5e^x. Each series stops after its "
                         "first term at or below the precision, or after %2 terms.")
                          .arg(compute)
                          .arg(int(IterationLimit)));
    html += Paragraph(tr("The three results, top to bottom: the 5e^x series, the combined "
                         "value (first − second)·x², and the e^2x series. After %1 and %2, "
                         "the three numbers on the right are the saved precision, x and e^2x "
                         "value.")
                          .arg(save, read));
    html += Heading(tr("Tooltips and copying"));
    html += Paragraph(tr("Point at a result: its tooltip tells how many terms were summed, why "
                         "the series stopped, the exact value and how far the shown value is "
                         "from it."));
    html += Paragraph(tr("Right-click a result or a saved number to copy the number as shown, "
                         "all three results (one number a line, top to bottom), or every "
                         "iteration of the last computation as CSV, the text that "
                         "series-table --csv prints. A double-click selects the whole number."));
    html += Heading(tr("Keys"));
    const std::pair<QKeySequence, QString> keys[] = {
        {QKeySequence(Qt::Key_Enter), tr("in an input: computes; on a button: presses it")},
        {QKeySequence(Qt::Key_Space), tr("presses the focused button")},
        {QKeySequence(Qt::Key_Tab), tr("moves to the next input or button")},
        {CopyResultsKey, tr("copies the three results")},
        {ConvergenceKey, tr("opens the convergence window: every iteration, a plot, export")},
        {QKeySequence(QKeySequence::HelpContents), tr("opens this help")},
        {QKeySequence(Qt::Key_Escape), tr("closes this help")},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), tr("closes the window")},
    };
    html += "<table>";
    for (const auto& [key, what] : keys)
        html += "<tr><td><b>" + KeyName(key) + "</b>&nbsp;&nbsp;</td><td>" + what + "</td></tr>";
    html += "</table>";
    html += Heading(tr("The file"));
    html += Paragraph(tr("%1 saves the precision, x and the e^2x value as 20 bytes in Test.txt "
                         "in the folder the program was started from (from the menu, usually "
                         "your home folder), here %2. It writes over an existing Test.txt only "
                         "if that file is empty, holds such a record, or holds the 13 to 19 "
                         "bytes a save cut short leaves. Any other file is left alone, and the "
                         "message names the folder and the reason: not a record of this "
                         "program, not an ordinary file, or a file that could not be read.")
                          .arg(save, QDir::currentPath().toHtmlEscaped()));
    html += Paragraph(tr("\"%1\" means that Test.txt could not be opened or created (a "
                         "directory of that name, a read-only file, a folder you cannot write), "
                         "or that the disk was full. A save that stops short puts back what was "
                         "there, so %2 never shows a record that was not saved. %2 says whether "
                         "the file is too short to hold a record or could not be read, and "
                         "\"%3\" when it cannot be opened.")
                          .arg(QStringLiteral("Файл невдається створити"), read,
                               QStringLiteral("Файл не вдається відкрити")));
    html += Paragraph(tr("The convergence window's exports are written whole or not at all: one "
                         "that fails leaves the file it was to replace as it was, and says why."));
    html += Heading(tr("About"));
    html += Paragraph(tr("Series Calculator %1. Licence: MIT; it comes with no warranty.")
                          .arg(QStringLiteral(SERIES_CALC_VERSION)));
    return html;
}
