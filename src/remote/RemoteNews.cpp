#include "remote/RemoteNews.h"

#include "remote/ErrorBox.h"
#include "remote/RemoteLink.h"

std::string RemoteNews(AppContext& context, HWND mainWindow, WPARAM status, LPARAM error) {
    switch (static_cast<RemoteStatus>(status)) {
        case RemoteStatus::Unreachable:
            ShowErrorBox(context, mainWindow, MakeError(static_cast<DWORD>(error)));
            return {};
        case RemoteStatus::Refused:
            ShowErrorBox(context, mainWindow, {kServerRefused, "The Vantro server refused the attachment."});
            return {};
        case RemoteStatus::Lost: return "Vantro: the remote server went away";
        case RemoteStatus::Back: return "Vantro: attached to the remote server again";
        case RemoteStatus::Attached: break;
    }
    return {};
}
