// SPDX-License-Identifier: MIT
#include "fakes.h"

#include <stdexcept>

namespace varnik::test {

void FakeView::displayChanged() {
    const DisplayScene& shown = form->scene().display;
    display = shown.text;
    displayBackground = shown.background;
    displayText = shown.textColour;
    rightAligned = shown.rightAligned;
}

void FakeView::coloursChanged() {
    displayChanged();
    linkChanged();
    background = form->scene().background;
    focusMarkLines = form->scene().focusMarkLines;
}

void FakeView::skinKeyChanged(std::size_t key) {
    shown[key] = form->scene().keys[key].lit;
    marked[key] = form->scene().keys[key].focusMark;
}

namespace {

std::vector<std::string> namesOf(const std::array<bool, skinKeyCount>& keys) {
    std::vector<std::string> names;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        if (keys[key]) {
            names.emplace_back(skinKey(key).accessibleName);
        }
    }
    return names;
}

} // namespace

std::vector<std::string> FakeView::shownKeys() const {
    return namesOf(shown);
}

std::vector<std::string> FakeView::markedKeys() const {
    return namesOf(marked);
}

void FakePlatform::showMessage(std::string_view prompt, std::string_view description) {
    boxes.emplace_back(prompt);
    boxDescriptions.emplace_back(description);
    if (answerAtOnce) {
        form->messageClosed();
    }
}

void FakePlatform::readClipboard(bool toPaste) {
    ++clipboardReads;
    pasteReads += toPaste;
    if (!answerAtOnce) {
        return;
    }
    if (clipboardReadable) {
        form->clipboardRead(clipboard);
    } else {
        form->clipboardUnreadable();
    }
}

void FakePlatform::popUpMenu(const std::vector<MenuItem>& items, float x, float y) {
    menus.push_back({items, x, y});
    if (!answerAtOnce) {
        return;
    }
    if (menuChoice) {
        form->menuChosen(*menuChoice);
    } else {
        form->menuDismissed();
    }
}

std::size_t keyNamed(std::string_view key) {
    for (std::size_t k = 0; k < skinKeyCount; ++k) {
        if (key == skinKey(k).accessibleName) {
            return k;
        }
    }
    throw std::invalid_argument("no skin key named " + std::string(key));
}

std::size_t buttonNamed(std::string_view name) {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        if (name == commandButton(b).name) {
            return b;
        }
    }
    throw std::invalid_argument("no button " + std::string(name));
}

Point centreOf(std::string_view key) {
    const Twips& g = skinKey(keyNamed(key)).geometry;
    return {static_cast<float>(g.left + g.width / 2), static_cast<float>(g.top + g.height / 2)};
}

Point pixels(float x, float y) {
    return {x * twipsPerPixel, y * twipsPerPixel};
}

StartedWindow::StartedWindow(const Messages& messages)
    : form(calculator, platform, view, messages) {
    view.form = &form;
    platform.form = &form;
    form.load();
    form.activate();
}

void StartedWindow::click(Point at) {
    move(at);
    press(at);
    release(at);
}

void StartedWindow::clickKeys(std::initializer_list<std::string_view> keys) {
    for (const std::string_view key : keys) {
        click(centreOf(key));
    }
}

void StartedWindow::pressButtons(std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        form.clickButton(buttonNamed(name));
    }
}

} // namespace varnik::test
