// The x11 host as a module the app loads once the session could be its.
#include "platform/host_module.h"
#include "platform/x11/x11_desktop_session.h"

TORVEL_HOST_MODULE(torvel::x11HostEntry)
