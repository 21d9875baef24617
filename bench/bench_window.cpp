// SPDX-License-Identifier: MIT
// The cost of the window's leave test for one mouse move over the bare window: the rectangle
// test alone, the window model's whole move, and the move delivered to the Qt window.
#include "calculator.h"
#include "form1.h"
#include "form1_widget.h"
#include "qt_platform.h"
#include "skin_hover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

using namespace varnik;

namespace {

// The closed-rectangle test for all 18 keys, as one move runs it.
void pointerInsideAllKeys(benchmark::State& state) {
    float x = 0;
    for (auto _ : state) {
        int inside = 0;
        for (std::size_t key = 0; key < skinKeyCount; ++key) {
            inside += pointerInside(x, 1000.0F, skinKey(key).geometry);
        }
        benchmark::DoNotOptimize(inside);
        x = x > 3090 ? 0 : x + 7.5F;
    }
}
BENCHMARK(pointerInsideAllKeys);

// One move through the window model: finding what is under the pointer, then the leave test.
void modelMouseMove(benchmark::State& state) {
    Calculator calculator;
    QtPlatform platform;
    NoView view;
    Form1 form(calculator, platform, view);
    form.load();
    float y = 0;
    for (auto _ : state) {
        form.pointerMoved(3045, y);
        y = y > 3480 ? 0 : y + 7.5F;
    }
}
BENCHMARK(modelMouseMove);

// One mouse move delivered to the Qt window as the window system delivers it: the event, the
// model, and hiding highlights that are already hidden (the common case).
void formMouseMove(benchmark::State& state) {
    Calculator calculator;
    QtPlatform platform;
    Form1Widget form(calculator, platform);
    form.show();
    QPointF position(203, 200);
    for (auto _ : state) {
        QMouseEvent move(QEvent::MouseMove, position, form.mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &move);
        position.setY(position.y() > 230 ? 0 : position.y() + 0.5);
    }
}
BENCHMARK(formMouseMove);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
