#include "scheduler/LaunchBoxes.h"

#include "platform/FlagScope.h"

namespace {

// The system rounds a timer's wait up to its own least.
constexpr int kSoonMs = 1;

}  // namespace

LaunchBoxes::LaunchBoxes(Prompts& prompts, const HWND& owner)
    : prompts_(prompts), owner_(owner), soon_(kSoonMs, false) {
    soon_.OnTimer = [this] { ShowPending(); };
}

void LaunchBoxes::Add(std::string text, std::string title) {
    pending_.push_back({std::move(text), std::move(title)});
    // While a box is open, the loop below takes the new one after it.
    if (!showing_) soon_.SetEnabled(true);
}

void LaunchBoxes::ShowPending() {
    soon_.SetEnabled(false);
    if (showing_) return;
    FlagScope showing(showing_);
    while (!pending_.empty()) {
        Box box = std::move(pending_.front());
        pending_.pop_front();
        prompts_.MessageBox(owner_, box.text, box.title, MB_OK);
    }
}
