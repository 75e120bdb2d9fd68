#include "Controls.h"

#include "EventDispatch.h"
#include "Forms.h"
#include "Text.h"

template <class Widget> void TControl<Widget>::NotifyBoundsChanged() {
    if (auto* form = dynamic_cast<TForm*>(this->parentWidget()))
        form->ControlBoundsChanged();
}

template class TControl<QLabel>;
template class TControl<QLineEdit>;
template class TControl<QPushButton>;

TLabel::TLabel(QWidget* parent) : TControl(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

std::string TLabel::Caption() const {
    return FromQString(text());
}

void TLabel::SetCaption(std::string_view caption) {
    setText(ToQString(caption));
    adjustSize();
    NotifyBoundsChanged();
}

TEdit::TEdit(QWidget* parent) : TControl(parent) {
    QObject::connect(this, &QLineEdit::textChanged, [this] { CallHandler(OnChange, this); });
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
