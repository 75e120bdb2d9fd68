#include "HelpWindow.h"

#include "EvaluateSeries.h"
#include "Text.h"
#include "ValueLine.h"
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

// What the convergence window's columns mean, on the numbers it shows at x = 1.
QString HelpWindow::ErrorSection() {
    const auto number = [](double value) { return ToQString(ShownValue(value, FormatSettings)); };
    const auto error = [](double value) { return ToQString(SplitValue(value, FormatSettings)); };
    QString html = Heading(tr("Where the error comes from"));
    html += Paragraph(tr("The convergence window splits each value's error, shown − exact, in "
                         "two. Truncation is what cutting the series off costs: the exact sum "
                         "of its first n terms minus the exact limit. Rounding is what single "
                         "precision costs: the value minus that exact sum. The two add up to "
                         "the error."));
    html += Paragraph(tr("An ulp is the spacing of singles at the value, a unit in its last "
                         "place; the ulps column gives the rounding in them. Correct digits are "
                         "−log₁₀ of the error relative to the exact limit: a single holds about "
                         "7."));
    html += Paragraph(tr("The double column sums the same series by the same statements, with "
                         "every result stored in double instead of single, and gives its error. "
                         "It shows how much of the rounding is single precision's; it is not the "
                         "program's result."));
    html += Paragraph(tr("With x = 1 and precision %1, the e^2x series stops after 10 terms at "
                         "%2: truncation %3, rounding %4. With precision 0 it runs %5 terms, "
                         "but after term 13 the sum no longer changes: every later term is "
                         "below half an ulp of it, and the error stays at %6, all of it "
                         "rounding.")
                          .arg(number(0.001), number(7.388995f), error(-6.14e-5), error(4.62e-7))
                          .arg(int(IterationLimit))
                          .arg(error(5.84e-7)));
    html += Paragraph(tr("Cancellation: the combined value subtracts the two series. Where they "
                         "are nearly equal, their rounding stays while their difference "
                         "shrinks, and digits are lost. The condition number (|S1| + |S2|) / "
                         "|S1 − S2| says how much; its log₁₀ is the digits lost. At x = %1 both "
                         "series are about 25, and about 5 of 7 digits are lost.")
                          .arg(number(1.6094f)));
    return html;
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
    html += ErrorSection();
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
