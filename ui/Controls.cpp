#include "Controls.h"

#include "EventDispatch.h"
#include "FormatSettings.h"
#include "Forms.h"
#include "Text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <cmath>

namespace {

// Enter or the keypad's Enter, with no modifier key held.
bool IsEnterKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The keypad's decimal key, which the keymap may give a '.' or a ','.
bool IsKeypadDecimalKey(const QKeyEvent& event) {
    const bool decimal = event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma;
    return decimal && event.modifiers() == Qt::KeypadModifier;
}

} // namespace

template <class Widget> void TControl<Widget>::NotifyBoundsChanged() {
    if (auto* form = dynamic_cast<TForm*>(this->parentWidget()))
        form->ControlBoundsChanged();
}

template class TControl<QLabel>;
template class TControl<QLineEdit>;
template class TControl<QPushButton>;

TLabel::TLabel(QWidget* parent) : TControl(parent) {
    setTextFormat(Qt::PlainText);
}

// QLabel makes a selectable label take the focus on a click; a label here
// never does, so typing goes on into the input it was in.
void TLabel::SetSelectable(bool selectable) {
    setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
}

QString TLabel::Value() const {
    return text().mid(text().lastIndexOf(QLatin1Char(':')) + 1);
}

// A word ends at the decimal separator, so QLabel's own double-click would
// select half a number. This selects all of it, sign and exponent included,
// and puts it into the X primary selection as a mouse selection does.
void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse) || text().isEmpty()) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    const QString value = Value();
    setSelection(int(text().size() - value.size()), int(value.size()));
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(value, QClipboard::Selection);
    event->accept();
}

std::string TLabel::Caption() const {
    return FromQString(text());
}

void TLabel::SetCaption(std::string_view caption) {
    setText(ToQString(caption));
    resize(TextSize());
    NotifyBoundsChanged();
}

// The size of the caption on one line. Measured with the font metrics:
// adjustSize() would lay out the text document that a selectable label keeps,
// several times the cost, on every one of a computation's many updates.
QSize TLabel::TextSize() const {
    const QFontMetricsF metrics(font());
    const int frame = 2 * margin();
    // One pixel more than the advance, for glyphs that overhang it.
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + 1;
    const int height = static_cast<int>(std::ceil(metrics.height()));
    return QSize(width + frame, height + frame).grownBy(contentsMargins());
}

TEdit::TEdit(QWidget* parent) : TControl(parent) {
    QObject::connect(this, &QLineEdit::textChanged, [this] { CallHandler(OnChange, this); });
}

// The keypad's decimal key types the separator that numbers are read with.
// Enter in an input presses the form's default button.
void TEdit::keyPressEvent(QKeyEvent* event) {
    if (IsKeypadDecimalKey(*event)) {
        insert(QString(QChar(FormatSettings.DecimalSeparator)));
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (!IsEnterKey(*event))
        return;
    if (auto* form = dynamic_cast<TForm*>(parentWidget()); form && form->DefaultButton()) {
        form->DefaultButton()->Click();
        event->accept();
    }
}

std::string TEdit::GetText() const {
    return FromQString(text());
}

void TEdit::SetText(std::string_view text) {
    setText(ToQString(text));
}

TButton::TButton(QWidget* parent) : TControl(parent) {
    setAutoDefault(false);
    QObject::connect(this, &QPushButton::clicked, [this] { CallHandler(OnClick, this); });
}

// Enter presses the focused button, as Space does.
void TButton::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event))
        Click();
    else
        QPushButton::keyPressEvent(event);
}

std::string TButton::Caption() const {
    return FromQString(text());
}

void TButton::SetCaption(std::string_view caption) {
    setText(ToQString(caption));
}

void TButton::Click() {
    if (isEnabled() && !isHidden())
        click();
}
