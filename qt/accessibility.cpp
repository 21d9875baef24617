// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "skin_picture.h"

#include <QAccessibleWidget>

namespace varnik {

namespace {

// A key's normal picture stands for the whole key: it is always shown, while the highlight
// in front of it comes and goes with the pointer. Pressing it runs the key as a click on the
// lit key would.
class SkinKeyAccessible : public QAccessibleWidget {
public:
    explicit SkinKeyAccessible(SkinPicture* picture)
        : QAccessibleWidget(picture, QAccessible::PushButton) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            static_cast<SkinPicture*>(widget())->press();
        }
    }
};

// The highlight pictures only paint the lit key: a picture, no control of its own.
class HighlightAccessible : public QAccessibleWidget {
public:
    explicit HighlightAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    // Qt offers a plain QWidget as a filler; the calculator's window is one. Message boxes and
    // the other widgets have their own classes and keep Qt's interfaces.
    if (className == QLatin1String("QWidget") && object->isWidgetType() &&
        static_cast<QWidget*>(object)->isWindow()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    auto* picture = qobject_cast<SkinPicture*>(object);
    if (!picture) {
        return nullptr;
    }
    if (picture->isHighlight()) {
        return new HighlightAccessible(picture);
    }
    return new SkinKeyAccessible(picture);
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);
}

} // namespace varnik
