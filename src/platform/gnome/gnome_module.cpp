// The gnome host as a module the app loads once the session could be its.
#include "platform/gnome/gnome_desktop_session.h"
#include "platform/host_module.h"

TORVEL_HOST_MODULE(torvel::gnomeHostEntry)
