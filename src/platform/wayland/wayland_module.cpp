// The wayland host as a module the app loads once the session could be its.
#include "platform/host_module.h"
#include "platform/wayland/wlr_desktop_session.h"

TORVEL_HOST_MODULE(torvel::wlrHostEntry)
