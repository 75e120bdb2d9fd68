#pragma once

#include "Accessibility.h"
#include "Classes.h"
#include "Text.h"

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <string>
#include <string_view>

// What every control offers the form, on top of the Qt widget it is.
template <class Widget> class TControl : public Widget, public TObject {
public:
    using Widget::Widget;

    int Tag = 0; // the form's own use; never interpreted here

    bool Visible() const { return !this->isHidden(); }
    void SetVisible(bool visible) {
        this->setVisible(visible);
        NotifyBoundsChanged();
    }

    bool Enabled() const { return this->isEnabled(); }
    void SetEnabled(bool enabled) { this->setEnabled(enabled); }

    // What a screen reader announces for the control. A label without one is
    // announced by its caption, and again whenever the caption changes.
    void SetAccessibleName(std::string_view name) { this->setAccessibleName(ToQString(name)); }

    // What a screen reader says the control is, after its name.
    void SetAccessibleDescription(std::string_view description) {
        this->setAccessibleDescription(ToQString(description));
    }

    // A tooltip, which screen readers read as the control's description.
    void SetHint(std::string_view hint) { SetHint(ToQString(hint)); }
    void SetHint(const QString& hint) {
        this->setToolTip(hint);
        this->setAccessibleDescription(hint);
    }

    // Painted as always, but left out of what screen readers see of the form.
    void HideFromScreenReaders() { ::HideFromScreenReaders(this); }

protected:
    void NotifyBoundsChanged();

    // Qt wraps a plain tooltip only where it is wider than the screen: shown as
    // rich text, a hint with a line of more than 100 characters wraps at a width
    // that reads well. Others keep their lines as they are.
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return Widget::event(event);
        const QString hint = this->toolTip();
        const QStringList lines = hint.split('\n');
        if (std::ranges::none_of(lines, [](const QString& line) { return line.size() > 100; }))
            return Widget::event(event);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           Qt::convertFromPlainText(hint, Qt::WhiteSpaceNormal), this);
        return true;
    }
};

// A text that sizes itself to its caption.
class TLabel : public TControl<QLabel> {
public:
    explicit TLabel(QWidget* parent);

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // Lets the user select the caption with the mouse and copy it; a
    // double-click selects the value. The label still never takes the
    // keyboard focus.
    void SetSelectable(bool selectable);

    // The value of a "name:value" caption: what follows its last colon, or the
    // whole caption if it has none.
    QString Value() const;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QSize TextSize() const;
};

// A one-line text input; OnChange runs after every change of its text.
class TEdit : public TControl<QLineEdit> {
public:
    explicit TEdit(QWidget* parent);

    std::string GetText() const;
    void SetText(std::string_view text);

    TNotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A push button; OnClick runs once for each press while it is enabled.
class TButton : public TControl<QPushButton> {
public:
    explicit TButton(QWidget* parent);

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // Presses the button as a click of the user would.
    void Click();

    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
