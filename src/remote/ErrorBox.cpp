#include "remote/ErrorBox.h"

#include <string>

#include "platform/AppContext.h"

void ShowErrorBox(AppContext& context, HWND owner, const ErrorInfo& error) {
    // HRESULTs read as the negative numbers automation reports them as.
    std::string text = "Error: " + std::to_string(static_cast<int32_t>(error.number)) + "\r" + error.description;
    context.prompts.MessageBox(owner, text, context.app.Title(), MB_OK);
}
