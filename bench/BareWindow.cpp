#include "BareWindow.h"

#include "Unit1Layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <variant>

namespace {

// The form's font, so that both windows lay out their text alike.
QFont FormLikeFont(int pixelHeight) {
    return MakeFont(Form1Description.FontName, pixelHeight);
}

} // namespace

BareWindow::BareWindow(bool selectableLabels) {
    setWindowTitle(QString::fromUtf8(Form1Description.Caption));
    setFont(FormLikeFont(Form1Description.FontHeight));
    // Only the geometry, caption and font of each row of the form's table are
    // used; the controls are plain Qt widgets.
    for (const ControlDescription<TForm1>& row : Form1Controls) {
        const ControlLook& look = row.Look;
        const QString caption = QString::fromUtf8(look.Caption);
        QWidget* control;
        if (std::holds_alternative<TLabel * TForm1::*>(row.Field)) {
            auto* label = new QLabel(this);
            if (selectableLabels) {
                label->setTextFormat(Qt::PlainText);
                label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            }
            label->setText(caption);
            control = label;
        } else if (std::holds_alternative<TEdit * TForm1::*>(row.Field))
            control = new QLineEdit(caption, this);
        else
            control = new QPushButton(caption, this);
        control->setObjectName(look.Name);
        if (look.FontHeight != FormFont)
            control->setFont(FormLikeFont(look.FontHeight));
        control->setGeometry(look.Left, look.Top, look.Width, look.Height);
        // Labels take the size of their caption, as the form's labels do.
        if (auto* label = qobject_cast<QLabel*>(control))
            label->adjustSize();
    }
    // The client area ends where the controls end, as on the auto-sized form.
    const QRect used = childrenRect();
    resize(used.x() + used.width(), used.y() + used.height());
}

QLabel* BareWindow::Label(const char* name) const {
    return findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}
