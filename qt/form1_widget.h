// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "form1.h"
#include "skin_painter.h"
#include "window_view.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnik {

/// The calculator's window in Qt Widgets: the display, the link label and the hidden command
/// buttons are widgets built from the key table; the window paints the skin itself from the
/// model's scene. It feeds the window model Qt's events and draws what the model's scene says;
/// every rule is the model's.
class Form1Widget : public QWidget, public WindowView {
    Q_OBJECT

public:
    Form1Widget(Calculator& calculator, Platform& platform,
                const Messages& messages = messagesFor("en"));
    ~Form1Widget() override;

    Form1& model() { return m_model; }
    /// The widget that stands for skin key `key` (its normal picture's name) before screen
    /// readers: it draws nothing and takes no pointer events.
    QWidget* skinKeyWidget(std::size_t key) const { return m_skinKeys[key]; }

    void displayChanged() override;
    void pointButtonChanged() override;
    void operationChanged() override;
    void skinKeyChanged(std::size_t key) override;
    void linkChanged() override;
    void focusButton(std::size_t button) override;
    void coloursChanged() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createCommandButtons();
    void createDisplay();
    void createLabels();
    void createSkinKeys();
    void applyStackingOrder();
    void applyTabOrder();
    bool pointerEvent(const QEvent& event);

    Form1 m_model;
    QMetaObject::Connection m_focusChanges;
    std::array<QPushButton*, commandButtonCount> m_buttons{};
    std::array<QWidget*, skinKeyCount> m_skinKeys{};
    QLineEdit* m_txtnum = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    SkinPictures m_pictures;
};

} // namespace varnik
