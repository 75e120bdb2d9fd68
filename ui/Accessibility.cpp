#include "Accessibility.h"

#include "Forms.h"

#include <QAccessibleWidget>

namespace {

constexpr char HiddenProperty[] = "HiddenFromScreenReaders";

// A form as screen readers see it: QAccessibleWidget's children, without the
// controls hidden from screen readers.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form) : QAccessibleWidget(form) {}

    int childCount() const override { return int(Children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(Children().indexOf(static_cast<QWidget*>(child->object())));
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
