// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "form1.h"
#include "platform.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    varnik::prepareApplication();
    varnik::Calculator calculator;
    varnik::Platform platform;
    varnik::Form1 form(calculator, platform);
    form.show();
    return QApplication::exec();
}
