#include "Forms.h"

#include "Accessibility.h"
#include "Text.h"

#include <QPalette>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <utility>
#include <vector>

// Stand-ins, in order of preference, for a font family that Linux lacks.
static const QStringList FallbackFamilies = {"Liberation Sans", "Arimo", "DejaVu Sans"};

// Disabled text: a grey that keeps about 6 : 1 against a light form colour.
static const QColor DisabledText = QColor::fromRgb(0x4A4A4A);

// Labels draw on the form's fixed colour, so their text takes the form's font
// colour in every state instead of the desktop's, which a dark theme makes
// light. A disabled selectable label draws with Text, the others with
// WindowText.
static QPalette LabelColours(TColor fontColor) {
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, QColor::fromRgb(fontColor));
        palette.setColor(QPalette::Inactive, role, QColor::fromRgb(fontColor));
        palette.setColor(QPalette::Disabled, role, DisabledText);
    }
    return palette;
}

QFont MakeFont(const char* family, int pixelHeight) {
    QFont font;
    font.setFamilies(QStringList{family} + FallbackFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

TForm::TForm(const FormDescription& description)
    : AutoSize(description.AutoSize), LabelPalette(LabelColours(description.FontColor)) {
    InstallFormAccessibility(); // before anything asks for the form's
    // With AutoSize the size is the controls' own: no maximize button.
    if (AutoSize)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(description.Caption));
    setFont(MakeFont(description.FontName, description.FontHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(description.Color));
    setPalette(palette);
    setAutoFillBackground(true);
    move(description.Left, description.Top);
    resize(description.Width, description.Height);
    // Ctrl+Q closes the window as its close button does.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    QObject::connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void TForm::Place(QWidget* control, const ControlLook& look) {
    control->setObjectName(look.Name);
    if (look.FontHeight != FormFont) {
        QFont font = this->font();
        font.setPixelSize(look.FontHeight);
        control->setFont(font);
    }
    control->setGeometry(look.Left, look.Top, look.Width, look.Height);
    control->setProperty("TabOrder", look.TabOrder);
}

TLabel* TForm::CreateLabel(const ControlLook& look) {
    auto* label = new TLabel(this);
    Place(label, look);
    label->setPalette(LabelPalette); // inputs and buttons keep the desktop's look
    label->SetCaption(look.Caption);
    return label;
}

TEdit* TForm::CreateEdit(const ControlLook& look) {
    auto* edit = new TEdit(this);
    Place(edit, look);
    edit->SetText(look.Caption);
    return edit;
}

TButton* TForm::CreateButton(const ControlLook& look) {
    auto* button = new TButton(this);
    Place(button, look);
    button->SetCaption(look.Caption);
    return button;
}

void TForm::ControlsCreated() {
    std::vector<std::pair<int, QWidget*>> stops;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const int order = child->property("TabOrder").toInt();
        if (order != NoTabStop && child->focusPolicy() & Qt::TabFocus)
            stops.emplace_back(order, child);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1].second, stops[i].second);
    FirstTabStop = stops.empty() ? nullptr : stops.front().second;
    ControlBoundsChanged();
}

QPoint KeepInside(const QRect& frame, const QRect& available) {
    const int x = std::min(frame.x(), available.x() + available.width() - frame.width());
    const int y = std::min(frame.y(), available.y() + available.height() - frame.height());
    return {std::max(x, available.x()), std::max(y, available.y())};
}

void TForm::ControlBoundsChanged() {
    if (!AutoSize)
        return;
    const QRect used = childrenRect();
    const QSize fit(used.x() + used.width(), used.y() + used.height());
    const bool grows = fit.width() > width() || fit.height() > height();
    // Fixed at the fitted size: the user cannot resize the window.
    if (fit != size() || fit != minimumSize() || fit != maximumSize())
        setFixedSize(fit);
    if (grows && isVisible() && screen()) {
        // The frame as it is about to be: the new size within the old borders.
        const QRect frame(frameGeometry().topLeft(), fit + frameGeometry().size() - size());
        const QPoint inside = KeepInside(frame, screen()->availableGeometry());
        if (inside != frame.topLeft())
            move(inside);
    }
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!Shown && FirstTabStop)
        FirstTabStop->setFocus(Qt::OtherFocusReason);
    Shown = true;
}
