// SPDX-License-Identifier: MIT
// The cost of the window's leave test for one mouse move over the bare window.
#include "calculator.h"
#include "form1.h"
#include "platform.h"
#include "skin_hover.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

using namespace varnik;

namespace {

// The closed-rectangle test for all 18 keys, as one move runs it.
void pointerInsideAllKeys(benchmark::State& state) {
    float x = 0;
    for (auto _ : state) {
        int inside = 0;
        for (const SkinKeyRow& key : skinKeys) {
            inside += pointerInside(x, 1000.0F, key.geometry);
        }
        benchmark::DoNotOptimize(inside);
        x = x > 3090 ? 0 : x + 7.5F;
    }
}
BENCHMARK(pointerInsideAllKeys);

// One mouse move delivered to the window: the event, the leave test over all 18 keys and
// hiding highlights that are already hidden (the common case).
void formMouseMove(benchmark::State& state) {
    Calculator calculator;
    Platform platform;
    Form1 form(calculator, platform);
    form.show();
    QPointF position(203, 200);
    for (auto _ : state) {
        QMouseEvent move(QEvent::MouseMove, position, form.mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &move);
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
