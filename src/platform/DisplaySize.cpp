#include "platform/DisplaySize.h"

#include <xcb/xcb.h>

std::optional<QSize> xDisplaySize()
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    std::optional<QSize> size;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int skipped = 0; skipped < screenNumber && screen.rem > 0; ++skipped)
            xcb_screen_next(&screen);
        if (screen.rem > 0)
            size = QSize(screen.data->width_in_pixels, screen.data->height_in_pixels);
    }
    xcb_disconnect(connection);
    return size;
}
