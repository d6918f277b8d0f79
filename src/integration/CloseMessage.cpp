#include "integration/CloseMessage.h"

#include "app/AppContext.h"

void ShowCloseMessage(AppContext&, HWND) {
    // The closing notice dialog is not part of this build yet: exits go straight on.
}
