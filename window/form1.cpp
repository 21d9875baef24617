// SPDX-License-Identifier: MIT
#include "form1.h"

#include "layout_units.h"
#include "platform.h"
#include "pointer_events.h"
#include "skin_picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

namespace varnik {

namespace {

// The disabled display draws its text in a readable grey, not the style's faint one.
const QColor displayTextColour(109, 109, 109);

template <typename Widget> void placeControl(Widget* widget, const char* name, const Twips& at) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(toPixels(at));
}

QString aboutText() {
    return QStringLiteral("%1 %2\nA calculator whose display and keypad speak Bengali digits.")
        .arg(windowCaption, QCoreApplication::applicationVersion());
}

} // namespace

Form1::Form1(Calculator& calculator, Platform& platform)
    : m_calculator(calculator), m_platform(platform) {
    setObjectName("Form1");
    setWindowTitle(windowCaption);
    // A fixed tool window: small title bar, close box only, no taskbar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, fromBgr(windowBackground));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);

    createCommandButtons();
    createDisplay();
    createLabels();
    createSkin();
    applyStackingOrder();
    applyTabOrder();
    load();
}

Form1::~Form1() = default;

void Form1::createDisplay() {
    m_txtnum = new QLineEdit(this);
    placeControl(m_txtnum, "txtnum", displayGeometry);
    m_txtnum->setEnabled(false);
    m_txtnum->setAccessibleName(QStringLiteral("Display"));
    m_txtnum->setMaxLength(static_cast<int>(displayLimit));
    m_txtnum->setFont(toFont(displayFont, font()));
    QPalette colours = m_txtnum->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, fromBgr(displayBackground));
    }
    colours.setColor(QPalette::Disabled, QPalette::Text, displayTextColour);
    m_txtnum->setPalette(colours);
}

void Form1::createLabels() {
    m_label1 = new QLabel(QString::fromLatin1(linkCaption), this);
    placeControl(m_label1, "Label1", linkGeometry);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(toFont(linkFont, font()));
    QPalette colours = m_label1->palette();
    colours.setColor(QPalette::WindowText, fromBgr(linkDesignColour));
    m_label1->setPalette(colours);
    auto* link = new PointerEvents(m_label1);
    connect(link, &PointerEvents::clicked, this, [this] {
        if (!m_platform.openUrl(QUrl(QString::fromLatin1(linkTarget)))) {
            m_platform.reportError(); // no browser could be started
        }
    });
    connect(link, &PointerEvents::moved, this, [this] { m_hover->hoverLink(); });

    // Never shown: its caption holds the name of the pending operation.
    m_label2 = new QLabel(this);
    placeControl(m_label2, "Label2", operationLabelGeometry);
    m_label2->hide();
}

void Form1::createCommandButtons() {
    for (const CommandButtonRow& row : commandButtons) {
        auto* button = new QPushButton(QString::fromLatin1(row.caption), this);
        placeControl(button, row.name, row.geometry);
        button->setFont(toFont(row.font, font()));
        QPalette colours = button->palette();
        colours.setColor(QPalette::Button, fromBgr(row.background));
        button->setPalette(colours);
        const Action action = row.action;
        connect(button, &QPushButton::clicked, this,
                [this, action] { run(action, Keypad::CommandButton); });
    }
    m_cmdpoint = findChild<QPushButton*>("cmdpoint");
    m_cmdabout = findChild<QPushButton*>("cmdabout");
}

void Form1::createSkin() {
    std::array<QWidget*, 18> highlights{};
    for (std::size_t index = 0; index < skinKeys.size(); ++index) {
        const SkinKeyRow& key = skinKeys[index];
        auto* normal = new SkinPicture(key.normalImage, this);
        auto* highlight = new SkinPicture(key.normalImage + 1, this);
        normal->setGeometry(toPixels(key.geometry));
        normal->setAccessibleName(QString::fromLatin1(key.accessibleName));
        highlight->setGeometry(toPixels(key.geometry));
        highlights[index] = highlight;

        auto* normalEvents = new PointerEvents(normal);
        connect(normalEvents, &PointerEvents::moved, this,
                [this, index] { m_hover->enterKey(index); });
        if (key.normalClick) {
            const Action action = *key.normalClick;
            connect(normalEvents, &PointerEvents::clicked, this,
                    [this, action] { run(action, Keypad::Skin); });
        }
        auto* highlightEvents = new PointerEvents(highlight);
        const Action action = key.action;
        const auto runKey = [this, action] { run(action, Keypad::Skin); };
        connect(highlightEvents, &PointerEvents::clicked, this, runKey);
        connect(normal, &SkinPicture::pressed, this, runKey);
    }
    m_hover = std::make_unique<SkinHover>(highlights, m_label1);
}

void Form1::applyStackingOrder() {
    // Raising each control from the back leaves the first of the list in front.
    for (auto name = stackingOrder.rbegin(); name != stackingOrder.rend(); ++name) {
        if (auto* control =
                findChild<QWidget*>(QString::fromLatin1(*name), Qt::FindDirectChildrenOnly)) {
            control->raise();
        }
    }
}

void Form1::applyTabOrder() {
    std::vector<std::pair<int, const char*>> stops;
    for (const CommandButtonRow& row : commandButtons) {
        stops.emplace_back(row.tabIndex, row.name);
    }
    for (const TabStopRow& stop : otherTabStops) {
        stops.emplace_back(stop.tabIndex, stop.name);
    }
    std::sort(stops.begin(), stops.end());
    QWidget* previous = nullptr;
    for (const auto& stop : stops) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(stop.second));
        if (previous) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
}

void Form1::HideAll() {
    m_hover->HideAll();
}

void Form1::load() {
    HideAll();
    setWindowState(Qt::WindowNoState);
    m_calculator.load();
    m_txtnum->setAlignment(Qt::AlignRight);
    showState();
}

void Form1::activate() {
    m_cmdabout->setFocus();
    m_calculator.activate();
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        activate();
    }
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    m_hover->leaveTest(event->position() * twipsPerPixel);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    m_platform.endProgram();
}

void Form1::run(const Action& action, Keypad keypad) {
    // While a modal box stands in front of the window no click reaches it; a screen reader's
    // press on a key must not either.
    if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        return;
    }
    if (const Key* key = std::get_if<Key>(&action)) {
        pressKey(*key, keypad);
    } else if (std::get<Shell>(action) == Shell::About) {
        m_platform.showMessage(this, aboutText());
    } else {
        m_platform.endProgram();
    }
}

void Form1::pressKey(Key key, Keypad keypad) {
    const KeyResult result = m_calculator.press(key, keypad);
    showState();
    switch (result.report) {
    case Report::None:
    case Report::Silent:
        break;
    case Report::MessageBox:
        m_platform.showMessage(this, QString());
        break;
    case Report::ErrorReport:
        m_platform.reportError();
        break;
    }
}

void Form1::showState() {
    const CalculatorState& state = m_calculator.state();
    m_txtnum->setText(QString::fromStdString(state.txtnum));
    m_cmdpoint->setEnabled(state.cmdpointEnabled());
    const std::string_view caption = operationCaption(state.pendingOperation);
    m_label2->setText(QString::fromLatin1(caption.data(), static_cast<int>(caption.size())));
}

} // namespace varnik
