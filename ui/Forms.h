#pragma once

#include "Classes.h"
#include "Controls.h"

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

// An RGB colour as 0xRRGGBB.
using TColor = std::uint32_t;

inline constexpr int FormFont = 0;   // a control that uses the form's font
inline constexpr int NoTabStop = -1; // a control outside the tab order

// Where and how a control appears; the same for every control class.
struct ControlLook {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Caption;
    int FontHeight; // pixels, or FormFont
    int TabOrder;   // or NoTabStop
};

// A font of the family, or a sans-serif of the same metrics where Linux lacks
// it, at a height in pixels.
QFont MakeFont(const char* family, int pixelHeight);

// Where a window's frame goes so that it lies wholly inside the available area
// of its screen: moved left and up just as far as it must, but never past the
// area's left or top edge. Both rectangles in the same (logical) pixels.
QPoint KeepInside(const QRect& frame, const QRect& available);

// The window's own properties.
struct FormDescription {
    int Left, Top, Width, Height;
    bool AutoSize; // the client area follows the visible controls
    const char* Caption;
    TColor Color;
    TColor FontColor;     // the labels' text, whatever the desktop's colours
    const char* FontName; // asked for first; a sans-serif of the same metrics stands in
    int FontHeight;       // pixels
};

// A top-level window whose controls are built from a description table.
class TForm : public QWidget, public TObject {
public:
    explicit TForm(const FormDescription& description);

    // Sizes the client area to the visible controls when AutoSize is on, and
    // fixes the window at that size. A shown window that grows moves to stay
    // on its screen.
    void ControlBoundsChanged();

    // Enter in any input of the form presses this button.
    void SetDefaultButton(TButton* button) { Default = button; }
    TButton* DefaultButton() const { return Default; }

    // Used by CreateControls: each creates a child control placed as described.
    TLabel* CreateLabel(const ControlLook& look);
    TEdit* CreateEdit(const ControlLook& look);
    TButton* CreateButton(const ControlLook& look);

    // Called once all controls exist: chains the focus through them by their
    // TabOrder and sizes the form.
    void ControlsCreated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Place(QWidget* control, const ControlLook& look);

    bool AutoSize;
    QPalette LabelPalette; // the form's text colours, on the form's own colour
    QWidget* FirstTabStop = nullptr;
    TButton* Default = nullptr;
    bool Shown = false;
};

// One row of a form's control table: the form's field that receives the
// control, how it looks, and the handler of its event (OnClick of a button,
// OnChange of an input; none for a label).
template <class Form> struct ControlDescription {
    using Handler = void (Form::*)(TObject* Sender);
    std::variant<TLabel * Form::*, TEdit * Form::*, TButton * Form::*> Field;
    ControlLook Look;
    Handler Event = nullptr;
};

// Creates a form's controls from its table, in the table's order, stores each
// in its field, binds its event to the handler, then sets the tab order.
template <class Form>
void CreateControls(Form& form, std::span<const ControlDescription<Form>> controls) {
    for (const ControlDescription<Form>& row : controls) {
        TNotifyEvent event;
        if (row.Event)
            event = [&form, handler = row.Event](TObject* sender) { (form.*handler)(sender); };
        std::visit(
            [&](auto field) {
                using Control =
                    std::remove_pointer_t<std::remove_reference_t<decltype(form.*field)>>;
                if constexpr (std::is_same_v<Control, TLabel>) {
                    form.*field = form.CreateLabel(row.Look);
                } else if constexpr (std::is_same_v<Control, TEdit>) {
                    form.*field = form.CreateEdit(row.Look);
                    (form.*field)->OnChange = event;
                } else {
                    form.*field = form.CreateButton(row.Look);
                    (form.*field)->OnClick = event;
                }
            },
            row.Field);
    }
    form.ControlsCreated();
}
