// SPDX-License-Identifier: MIT
#include "form1_widget.h"

#include "qt_units.h"
#include "skin_key_widget.h"
#include "system_colours.h"
#include "texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

namespace varnik {

namespace {

template <typename Widget> void placeControl(Widget* widget, const char* name, const Twips& at) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(toQRect(at));
}

// The labels and the skin's stand-ins are drawn where they are, but the window model decides
// what takes the pointer: their events go to the window.
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

Form1Widget::Form1Widget(Calculator& calculator, Platform& platform, const Messages& messages)
    : m_model(calculator, platform, *this, messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(windowCaption));
    // A fixed tool window: small title bar, close box only, no taskbar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    setAutoFillBackground(true);
    setMouseTracking(true);

    createCommandButtons();
    createDisplay();
    createLabels();
    createSkinKeys();
    applyStackingOrder();
    applyTabOrder();
    setWindowState(Qt::WindowNoState);

    // Keys typed on any control come to the window (the buttons pass on what they do not
    // take); the focus moving among the buttons is reported as it happens.
    m_focusChanges =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            const auto button = std::find(m_buttons.begin(), m_buttons.end(), now);
            m_model.focusMoved(button == m_buttons.end() ? std::nullopt
                                                         : std::optional(static_cast<std::size_t>(
                                                               button - m_buttons.begin())));
        });
    m_model.load();
    m_model.setHighContrast(isHighContrastPalette(QGuiApplication::palette()));
    coloursChanged();
}

Form1Widget::~Form1Widget() {
    // Closing the window moves the focus once more, while the window is half gone: the model
    // must not hear of it.
    disconnect(m_focusChanges);
}

void Form1Widget::createCommandButtons() {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        const ButtonPart& button = commandButton(b);
        auto* widget = new QPushButton(QString::fromLatin1(button.caption), this);
        placeControl(widget, button.name, button.geometry);
        widget->setAccessibleName(toQString(m_model.accessibleButtonName(b)));
        widget->setFont(toQFont(button.font, font()));
        QPalette colours = widget->palette();
        colours.setColor(QPalette::Button, toQColor(button.background));
        widget->setPalette(colours);
        connect(widget, &QPushButton::clicked, this, [this, b] { m_model.clickButton(b); });
        m_buttons[b] = widget;
    }
}

void Form1Widget::createDisplay() {
    m_txtnum = new QLineEdit(this);
    placeControl(m_txtnum, displayName, displayGeometry);
    m_txtnum->setEnabled(!DisplayScene::readOnly);
    m_txtnum->setAccessibleName(toQString(m_model.messages().text(displayAccessibleName)));
    m_txtnum->setMaxLength(static_cast<int>(DisplayScene::maxLength));
    m_txtnum->setFont(toQFont(displayFont, font()));
}

void Form1Widget::createLabels() {
    m_label1 = new QLabel(QString::fromLatin1(linkCaption), this);
    placeControl(m_label1, linkName, linkGeometry);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(toQFont(linkFont, font()));
    leavePointerToWindow(m_label1);

    // Never shown: its caption holds the name of the pending operation.
    m_label2 = new QLabel(this);
    placeControl(m_label2, operationLabelName, operationLabelGeometry);
    leavePointerToWindow(m_label2);
    m_label2->hide();
}

void Form1Widget::createSkinKeys() {
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        auto* stand = new SkinKeyWidget(key, m_model, this);
        placeControl(stand, pictureName(normalImage(key)).c_str(), skinKey(key).geometry);
        m_skinKeys[key] = stand;
    }
}

void Form1Widget::applyStackingOrder() {
    // The display and the buttons are windows of their own in front of every picture and
    // label; where buttons overlap, the first in the table lies in front.
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

void Form1Widget::displayChanged() {
    const DisplayScene& display = m_model.scene().display;
    m_txtnum->setText(toQString(display.text));
    m_txtnum->setAlignment(display.rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    QPalette colours = m_txtnum->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, toQColor(display.background));
    }
    colours.setColor(QPalette::Disabled, QPalette::Text, toQColor(display.textColour));
    m_txtnum->setPalette(colours);
}

void Form1Widget::pointButtonChanged() {
    m_buttons[pointButton]->setEnabled(m_model.scene().pointButtonEnabled);
}

void Form1Widget::operationChanged() {
    m_label2->setText(toQString(m_model.scene().operationCaption));
}

void Form1Widget::skinKeyChanged(std::size_t key) {
    update(skinKeyArea(key, devicePixelRatioF()));
}

void Form1Widget::linkChanged() {
    QPalette palette = m_label1->palette();
    palette.setColor(QPalette::WindowText, toQColor(m_model.scene().linkColour));
    m_label1->setPalette(palette);
}

void Form1Widget::focusButton(std::size_t button) {
    m_buttons[button]->setFocus();
}

void Form1Widget::coloursChanged() {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(m_model.scene().background));
    setPalette(colours);
    displayChanged();
    linkChanged();
    update();
}

bool Form1Widget::event(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) {
        // The desktop's colours changed, perhaps its high-contrast setting with them.
        m_model.setHighContrast(isHighContrastPalette(QGuiApplication::palette()));
        coloursChanged();
    }
    return QWidget::event(event);
}

void Form1Widget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Without lines of its own the mark is the desktop's usual one: a line in its focus colour.
    std::vector<QColor> focusMark{QGuiApplication::palette().color(QPalette::Highlight)};
    if (!m_model.scene().focusMarkLines.empty()) {
        focusMark.clear();
        for (const SystemColour line : m_model.scene().focusMarkLines) {
            focusMark.push_back(toQColor(line));
        }
    }
    paintSkin(painter, m_model.scene(), devicePixelRatioF(), m_pictures, focusMark);
}

void Form1Widget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window's own pointer events carry the position as the window system gave it; a
    // widget's are rounded to whole pixels of the layout, which at scales such as 7.3 would
    // miss the pixels the keys are drawn on.
    windowHandle()->removeEventFilter(this);
    windowHandle()->installEventFilter(this);
    m_model.activate();
}

bool Form1Widget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && pointerEvent(*event)) {
        return false; // the widgets see it too, as they would without us
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1Widget::pointerEvent(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    const float x = toTwips(mouse.position().x());
    const float y = toTwips(mouse.position().y());
    if (event.type() == QEvent::MouseMove) {
        m_model.pointerMoved(x, y);
    } else if (mouse.button() != Qt::LeftButton) {
        return true;
    } else if (event.type() == QEvent::MouseButtonPress) {
        m_model.pointerPressed(x, y);
    } else if (event.type() == QEvent::MouseButtonDblClick) {
        m_model.pointerDoubleClicked(x, y);
    } else {
        m_model.pointerReleased(x, y);
    }
    return true;
}

void Form1Widget::closeEvent(QCloseEvent* event) {
    event->accept();
    m_model.close();
}

void Form1Widget::keyPressEvent(QKeyEvent* event) {
    if (m_model.typeKey(typedKeyOf(*event))) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Form1Widget::contextMenuEvent(QContextMenuEvent* event) {
    m_model.contextMenuRequested(toTwips(event->pos().x()), toTwips(event->pos().y()),
                                 event->reason() != QContextMenuEvent::Mouse);
    event->accept();
}

} // namespace varnik
