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

void ShowModalBox(MessageKind kind, const std::string& text) {
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationDisplayName(), ToQString(text), QMessageBox::Ok,
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

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

void ShowMessage(const std::string& text) {
    Present(MessageKind::Message, text);
}

void ShowErrorMessage(const std::string& text) {
    Present(MessageKind::Error, text);
}
