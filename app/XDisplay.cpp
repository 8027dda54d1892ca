#include "XDisplay.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace tallix {

namespace {

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

void preferX()
{
    if (environment("QT_QPA_PLATFORM").empty() && !environment("DISPLAY").empty())
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

std::optional<std::string> missingDisplayMessage()
{
    // Qt takes X unless told otherwise, or unless only a Wayland display is there.
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    if (platform.empty() ? !environment("WAYLAND_DISPLAY").empty() : !platform.starts_with("xcb"))
        return {};

    const std::string display(environment("DISPLAY"));
    if (display.empty())
        return "tallix: не задан дисплей X (переменная DISPLAY пуста). Запустите программу в графическом сеансе "
               "или под виртуальным X-сервером: xvfb-run -a tallix";
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return "tallix: не удаётся открыть дисплей X «" + display + "». Проверьте, что X-сервер запущен и доступен, "
               "или запустите программу под виртуальным X-сервером: xvfb-run -a tallix";
    return {};
}

} // namespace tallix
