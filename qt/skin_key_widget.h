// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <cstddef>

namespace varnik {

class Form1;

/// A skin key before screen readers: a widget on the key's rectangle that draws nothing (the
/// window paints the skin) and takes no pointer events (the window model decides where they
/// go). Its accessible interface asks the model for the key's name and presses it.
class SkinKeyWidget : public QWidget {
    Q_OBJECT

public:
    SkinKeyWidget(std::size_t key, Form1& model, QWidget* parent)
        : QWidget(parent), m_key(key), m_model(model) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    std::size_t key() const { return m_key; }
    Form1& model() const { return m_model; }

private:
    std::size_t m_key;
    Form1& m_model;
};

} // namespace varnik
