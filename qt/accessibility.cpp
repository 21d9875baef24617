// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "announcer.h"
#include "form1.h"
#include "form1_widget.h"
#include "qt_units.h"
#include "skin_key_widget.h"

#include <QAccessibleWidget>

namespace varnik {

namespace {

// A skin key is a push button named for what it does; pressing it runs the key as a click on
// the lit key would. The names and the action come from the window model, as on every desktop.
class SkinKeyAccessible : public QAccessibleWidget {
public:
    explicit SkinKeyAccessible(SkinKeyWidget* key)
        : QAccessibleWidget(key, QAccessible::PushButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return toQString(skinKey().model().accessibleKey(skinKey().key()).name);
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionName(const QString& actionName) const override {
        if (actionName == pressAction()) {
            return toQString(skinKey().model().accessibleKey(skinKey().key()).action);
        }
        return QAccessibleWidget::localizedActionName(actionName);
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            skinKey().model().pressSkinKey(skinKey().key());
        }
    }

private:
    SkinKeyWidget& skinKey() const { return *static_cast<SkinKeyWidget*>(widget()); }
};

// The calculator's window: a window whose children a screen reader finds where the model
// says they are.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(Form1Widget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessibleInterface* childAt(int x, int y) const override {
        auto* window = static_cast<Form1Widget*>(widget());
        const QPoint local = window->mapFromGlobal(QPoint(x, y));
        if (const auto key = window->model().skinKeyAt(toTwips(local.x()), toTwips(local.y()))) {
            return QAccessible::queryAccessibleInterface(window->skinKeyWidget(*key));
        }
        return QAccessibleWidget::childAt(x, y);
    }
};

QAccessibleInterface* factory(const QString& /*className*/, QObject* object) {
    if (auto* key = qobject_cast<SkinKeyWidget*>(object)) {
        return new SkinKeyAccessible(key);
    }
    if (auto* window = qobject_cast<Form1Widget*>(object)) {
        return new WindowAccessible(window);
    }
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    }
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && qobject_cast<Announcer*>(widget->parentWidget())) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);
}

} // namespace varnik
