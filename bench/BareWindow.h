#pragma once

#include <QWidget>

class QLabel;

// The main form's controls on a plain QWidget: the same 18 labels, 2 inputs and
// 2 buttons, with the same names, places, captions and font pixel sizes, built
// with Qt alone and none of the program's window layer. The window and startup
// benchmarks compare the real form with it.
//
// With `selectableLabels` the labels are set up as the form's labels are (plain
// text, selectable by mouse), which makes Qt keep a text document for each; it
// shows how much of the form's cost that one choice accounts for.
class BareWindow : public QWidget {
public:
    explicit BareWindow(bool selectableLabels = false);

    // The label with the form's field name `name` ("Label6"), or nullptr.
    QLabel* Label(const char* name) const;
};
