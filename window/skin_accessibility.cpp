// SPDX-License-Identifier: MIT
#include "skin_accessibility.h"

#include "skin_picture.h"

#include <QAccessibleWidget>
#include <QApplication>

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
        // A click cannot reach the window while a modal box (About, the equals error) stands
        // in front of it, so neither can a screen reader's press.
        const QWidget* modal = QApplication::activeModalWidget();
        if (actionName == pressAction() && (!modal || modal == widget()->window())) {
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

QAccessibleInterface* skinFactory(const QString& /*className*/, QObject* object) {
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

void installSkinAccessibility() { QAccessible::installFactory(skinFactory); }

} // namespace varnik
