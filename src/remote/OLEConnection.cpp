#include "remote/OLEConnection.h"

#include "app/AppContext.h"

void OLEConnection(AppContext&, HWND) {
    // The remote server connection is not part of this build yet: nothing to attach.
}

void ReleaseRemote(AppContext&) {}
