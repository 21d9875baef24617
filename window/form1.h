// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "control_tables.h"
#include "skin_hover.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnik {

class Platform;

/// The calculator's one window: the display, the skin keypad, the link label and the hidden
/// command buttons, all built from the control tables. It forwards every key to the engine
/// it is given and shows the engine's state afterwards; it holds no numbers itself.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Calculator& calculator, Platform& platform);
    ~Form1() override;

    /// Hides every highlight picture and gives the link label its rest colour.
    void HideAll();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createDisplay();
    void createLabels();
    void createCommandButtons();
    void createSkin();
    void applyStackingOrder();
    void applyTabOrder();
    void load();
    void activate();

    void run(const Action& action, Keypad keypad);
    void pressKey(Key key, Keypad keypad);
    void showState();

    Calculator& m_calculator;
    Platform& m_platform;
    QLineEdit* m_txtnum = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_cmdpoint = nullptr;
    QPushButton* m_cmdabout = nullptr;
    std::unique_ptr<SkinHover> m_hover;
    bool m_activated = false;
};

} // namespace varnik
