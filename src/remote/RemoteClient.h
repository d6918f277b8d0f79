#pragma once
// Vantro's own remote client: made on this machine it only tells who this instance is
// (LocalId: machine, user and process); made on a named machine it is connected to the
// vantro-server there ("host", "host:port") and attaches and detaches instances.
#include <string>

#include "platform/Components.h"

ComponentCreation CreateRemoteClient(const std::string& machine);

// "MACHINE\user #1234": this machine, the signed-in user and this process.
std::string LocalInstanceId();
