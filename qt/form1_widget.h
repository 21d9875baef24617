// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "form1.h"
#include "window_view.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace varnik {

class SkinPicture;

/// The calculator's window in Qt Widgets: the display, the skin keypad, the link label and the
/// hidden command buttons, built from the control tables. It feeds the window model its events
/// and shows what the model says; every rule is the model's.
class Form1Widget : public QWidget, public WindowView {
    Q_OBJECT

public:
    Form1Widget(Calculator& calculator, Platform& platform);

    Form1& model() { return m_model; }

    void showDisplay(std::string_view text) override;
    void enablePointButton(bool enabled) override;
    void showOperation(std::string_view caption) override;
    void showHighlight(std::size_t key, bool visible) override;
    void colourLink(BgrColour colour) override;
    void focusButton(std::size_t button) override;
    void flashDisplay() override;

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createCommandButtons();
    void createDisplay();
    void createLabels();
    void createSkin();
    void applyStackingOrder();
    void applyTabOrder();
    QWidget* windowless(const Windowless& control) const;
    void paintDisplay(BgrColour background);

    Form1 m_model;
    std::array<QPushButton*, commandButtonCount> m_buttons{};
    QLineEdit* m_txtnum = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    std::array<SkinPicture*, pictureCount> m_pictures{}; ///< Image1 first
    QTimer* m_flashEnd = nullptr;
};

} // namespace varnik
