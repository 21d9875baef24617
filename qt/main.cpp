// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "fontconfig_preload.h"
#include "form1_widget.h"
#include "qt_platform.h"
#include "startup.h"
#include "wayland_session.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Reading the font configuration is a good part of start-up and needs nothing from Qt: it
    // runs on a second core while QApplication loads its plugins and connects to the display.
    // fontconfig guards its own start, so a font asked for meanwhile would still be right.
    varnik::FontConfigPreload fontConfig;
    varnik::PlatformArguments arguments(argc, argv); // XWayland where Qt would draw the frame
    QApplication app(arguments.argc(), arguments.argv());
    fontConfig.finish();
    varnik::prepareApplication();
    varnik::Calculator calculator;
    varnik::QtPlatform platform;
    varnik::Form1Widget form(calculator, platform, varnik::userMessages(argc, argv));
    platform.attach(&form, form.model());
    form.show();
    return QApplication::exec();
}
