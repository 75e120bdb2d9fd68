#include "Accessibility.h"

#include "Forms.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <array>

namespace {

constexpr char HiddenProperty[] = "HiddenFromScreenReaders";
constexpr char AnnouncementProperty[] = "ScreenReaderAnnouncement";

// The form's latest announcement as screen readers see it, in an element that
// nothing paints: the name of a status bar, which Orca reads on its status-bar
// command, or of a notification, which Orca speaks whenever it is shown.
class AnnouncementAccessible : public QAccessibleInterface {
public:
    AnnouncementAccessible(QWidget* form, QAccessible::Role role) : Form(form), Role(role) {}

    bool isValid() const override { return Form; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Form ? Form->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Form);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text text) const override {
        return Form && text == QAccessible::Name ? Form->property(AnnouncementProperty).toString()
                                                 : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return Role; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> Form;
    QAccessible::Role Role;
};

// A form as screen readers see it: a frame (a top-level QWidget is otherwise a
// "filler", whose title no screen reader looks for), QAccessibleWidget's
// children without the controls hidden from screen readers, then the
// announcement's status bar and notification.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form)
        : QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client),
          Announcements{new AnnouncementAccessible(form, QAccessible::StatusBar),
                        new AnnouncementAccessible(form, QAccessible::Notification)} {
        for (QAccessibleInterface* announcement : Announcements)
            QAccessible::registerAccessibleInterface(announcement);
    }
    ~FormAccessible() override {
        for (QAccessibleInterface* announcement : Announcements)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(announcement));
    }

    QAccessibleInterface* StatusBar() const { return Announcements[0]; }
    QAccessibleInterface* Notification() const { return Announcements[1]; }

    int childCount() const override { return int(Children().size() + Announcements.size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index >= children.size())
            return Announcements[index - children.size()];
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QWidget*> children = Children();
        if (const auto found = std::ranges::find(Announcements, child);
            found != Announcements.end())
            return int(children.size() + (found - Announcements.begin()));
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(children.indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control && !control->isWindow() && !control->isHidden() &&
                !control->property(HiddenProperty).toBool())
                children.append(control);
        }
        return children;
    }

    // Owned by QAccessible's registry: a status bar, then a notification.
    std::array<QAccessibleInterface*, 2> Announcements;
};

QAccessibleInterface* FormFactory(const QString&, QObject* object) {
    if (auto* form = dynamic_cast<TForm*>(object))
        return new FormAccessible(form);
    return nullptr;
}

} // namespace

void HideFromScreenReaders(QWidget* control) {
    control->setProperty(HiddenProperty, true);
}

void InstallFormAccessibility() {
    static const bool installed = (QAccessible::installFactory(FormFactory), true);
    (void)installed;
}

void Announce(QWidget* form, const QString& text) {
    form->setProperty(AnnouncementProperty, text);
    auto* window = dynamic_cast<FormAccessible*>(QAccessible::queryAccessibleInterface(form));
    if (!window)
        return;
    QAccessibleEvent renamed(window->StatusBar(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(window->Notification(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
