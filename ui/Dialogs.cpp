#include "Dialogs.h"

#include "Text.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

constexpr qsizetype LongestShownText = 400;

void ShowModalBox(MessageKind kind, const std::string& text) {
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationDisplayName(), MessageBoxText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void Present(MessageKind kind, const std::string& text) {
    if (Presenter())
        Presenter()(kind, text);
    else
        ShowModalBox(kind, text);
}

} // namespace

QString MessageBoxText(const std::string& text) {
    QString shown = ToQString(text);
    if (shown.size() > LongestShownText) {
        qsizetype head = LongestShownText / 2, tail = LongestShownText / 2;
        if (shown.at(head - 1).isHighSurrogate()) // keep surrogate pairs whole
            --head;
        if (shown.at(shown.size() - tail).isLowSurrogate())
            --tail;
        shown = shown.left(head) + QChar(0x2026) + shown.right(tail);
    }
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return shown;
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

void ShowMessage(const std::string& text) {
    Present(MessageKind::Message, text);
}

void ShowErrorMessage(const std::string& text) {
    Present(MessageKind::Error, text);
}
