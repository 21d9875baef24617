// SPDX-License-Identifier: MIT
#include "form1_widget.h"

#include "qt_units.h"
#include "skin_picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace varnik {

namespace {

template <typename Widget> void placeControl(Widget* widget, const char* name, const Twips& at) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(toQRect(at));
}

// The pictures and labels are drawn by their widgets, but the window model decides which of
// them takes the pointer: their events go to the window.
void leavePointerToWindow(QWidget* control) {
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
}

KeyName keyNameOf(const QKeyEvent& event) {
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyName::Enter;
    case Qt::Key_Escape:
        return KeyName::Escape;
    case Qt::Key_Delete:
        return KeyName::Delete;
    case Qt::Key_Backspace:
        return KeyName::Backspace;
    case Qt::Key_Insert:
        return KeyName::Insert;
    case Qt::Key_Menu:
        return KeyName::Menu;
    case Qt::Key_F10:
        return KeyName::F10;
    case Qt::Key_C:
        return KeyName::C;
    case Qt::Key_V:
        return KeyName::V;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return keypad ? KeyName::KeypadDecimal : KeyName::Other;
    default:
        return KeyName::Other;
    }
}

TypedKey typedKeyOf(const QKeyEvent& event) {
    TypedKey key;
    key.name = keyNameOf(event);
    const QList<uint> characters = event.text().toUcs4();
    key.character = characters.isEmpty() ? 0 : static_cast<char32_t>(characters.front());
    key.ctrl = event.modifiers() & Qt::ControlModifier;
    key.shift = event.modifiers() & Qt::ShiftModifier;
    key.alt = event.modifiers() & Qt::AltModifier;
    return key;
}

} // namespace

Form1Widget::Form1Widget(Calculator& calculator, Platform& platform)
    : m_model(calculator, platform, *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(windowCaption));
    // A fixed tool window: small title bar, close box only, no taskbar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(windowBackground));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);

    createCommandButtons();
    createDisplay();
    createLabels();
    createSkin();
    applyStackingOrder();
    applyTabOrder();
    setWindowState(Qt::WindowNoState);
    m_txtnum->setAlignment(Qt::AlignRight);

    m_flashEnd = new QTimer(this);
    m_flashEnd->setSingleShot(true);
    m_flashEnd->setInterval(displayFlashMilliseconds);
    connect(m_flashEnd, &QTimer::timeout, this, [this] { paintDisplay(displayBackground); });
    // Keys typed on any control come to the window (the buttons pass on what they do not
    // take); the focus moving among the buttons is reported as it happens.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const auto button = std::find(m_buttons.begin(), m_buttons.end(), now);
        if (button != m_buttons.end()) {
            m_model.focusMoved(static_cast<std::size_t>(button - m_buttons.begin()));
        }
    });
    m_model.load();
}

void Form1Widget::createCommandButtons() {
    for (std::size_t row = 0; row < commandButtonCount; ++row) {
        const CommandButtonRow& button = commandButtons[row];
        auto* widget = new QPushButton(QString::fromLatin1(button.caption), this);
        placeControl(widget, button.name, button.geometry);
        widget->setFont(toQFont(button.font, font()));
        QPalette colours = widget->palette();
        colours.setColor(QPalette::Button, toQColor(button.background));
        widget->setPalette(colours);
        connect(widget, &QPushButton::clicked, this, [this, row] { m_model.clickButton(row); });
        m_buttons[row] = widget;
    }
}

void Form1Widget::createDisplay() {
    m_txtnum = new QLineEdit(this);
    placeControl(m_txtnum, displayName, displayGeometry);
    m_txtnum->setEnabled(false);
    m_txtnum->setAccessibleName(QStringLiteral("Display"));
    m_txtnum->setMaxLength(static_cast<int>(displayLimit));
    m_txtnum->setFont(toQFont(displayFont, font()));
    QPalette colours = m_txtnum->palette();
    colours.setColor(QPalette::Disabled, QPalette::Text, toQColor(displayTextColour));
    m_txtnum->setPalette(colours);
    paintDisplay(displayBackground);
}

void Form1Widget::paintDisplay(BgrColour background) {
    QPalette colours = m_txtnum->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, toQColor(background));
    }
    m_txtnum->setPalette(colours);
}

void Form1Widget::createLabels() {
    m_label1 = new QLabel(QString::fromLatin1(linkCaption), this);
    placeControl(m_label1, linkName, linkGeometry);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(toQFont(linkFont, font()));
    leavePointerToWindow(m_label1);
    colourLink(linkDesignColour);

    // Never shown: its caption holds the name of the pending operation.
    m_label2 = new QLabel(this);
    placeControl(m_label2, operationLabelName, operationLabelGeometry);
    leavePointerToWindow(m_label2);
    m_label2->hide();
}

void Form1Widget::createSkin() {
    for (int image = 1; image <= pictureCount; ++image) {
        auto* picture = new SkinPicture(image, this);
        const std::size_t key = keyOfImage(image);
        picture->setGeometry(toQRect(skinKeys[key].geometry));
        leavePointerToWindow(picture);
        if (!isHighlightImage(image)) {
            picture->setAccessibleName(QString::fromLatin1(skinKeys[key].accessibleName));
            connect(picture, &SkinPicture::pressed, this,
                    [this, key] { m_model.pressSkinKey(key); });
        }
        m_pictures[static_cast<std::size_t>(image - 1)] = picture;
    }
}

QWidget* Form1Widget::windowless(const Windowless& control) const {
    switch (control.kind) {
    case Windowless::Kind::Picture:
        return m_pictures[static_cast<std::size_t>(control.image - 1)];
    case Windowless::Kind::LinkLabel:
        return m_label1;
    case Windowless::Kind::OperationLabel:
        return m_label2;
    }
    return nullptr;
}

void Form1Widget::applyStackingOrder() {
    // Raising each control from the back leaves the first in front; the display and the
    // buttons, windows of their own elsewhere, go in front of every picture and label.
    for (auto control = windowlessStacking.rbegin(); control != windowlessStacking.rend();
         ++control) {
        windowless(*control)->raise();
    }
    m_txtnum->raise();
    for (auto button = m_buttons.rbegin(); button != m_buttons.rend(); ++button) {
        (*button)->raise();
    }
}

void Form1Widget::applyTabOrder() {
    const auto& order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(m_buttons[order[i - 1]], m_buttons[order[i]]);
    }
}

void Form1Widget::showDisplay(std::string_view text) {
    m_txtnum->setText(toQString(text));
}

void Form1Widget::enablePointButton(bool enabled) {
    m_buttons[buttonRow(Key::Point)]->setEnabled(enabled);
}

void Form1Widget::showOperation(std::string_view caption) {
    m_label2->setText(toQString(caption));
}

void Form1Widget::showHighlight(std::size_t key, bool visible) {
    m_pictures[static_cast<std::size_t>(highlightImage(key) - 1)]->setVisible(visible);
}

void Form1Widget::colourLink(BgrColour colour) {
    const QColor wanted = toQColor(colour);
    if (m_label1->palette().color(QPalette::WindowText) != wanted) {
        QPalette palette = m_label1->palette();
        palette.setColor(QPalette::WindowText, wanted);
        m_label1->setPalette(palette);
    }
}

void Form1Widget::focusButton(std::size_t button) {
    m_buttons[button]->setFocus();
}

void Form1Widget::flashDisplay() {
    paintDisplay(displayFlashColour);
    m_flashEnd->start();
}

void Form1Widget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_model.activate();
}

void Form1Widget::mouseMoveEvent(QMouseEvent* event) {
    m_model.pointerMoved(toTwips(event->position().x()), toTwips(event->position().y()));
}

void Form1Widget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_model.pointerPressed(toTwips(event->position().x()), toTwips(event->position().y()));
    }
}

void Form1Widget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_model.pointerDoubleClicked(toTwips(event->position().x()),
                                     toTwips(event->position().y()));
    }
}

void Form1Widget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_model.pointerReleased(toTwips(event->position().x()), toTwips(event->position().y()));
    }
}

void Form1Widget::closeEvent(QCloseEvent* event) {
    event->accept();
    m_model.close();
}

} // namespace varnik

namespace varnik {

void Form1Widget::keyPressEvent(QKeyEvent* event) {
    if (m_model.typeKey(typedKeyOf(*event))) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Form1Widget::contextMenuEvent(QContextMenuEvent* event) {
    // The Menu key and Shift+F10 are keys of the window's own; this is the right click.
    if (event->reason() == QContextMenuEvent::Mouse) {
        m_model.openContextMenu(toTwips(event->pos().x()), toTwips(event->pos().y()));
    }
    event->accept();
}

} // namespace varnik
