#include "scheduler/LaunchBoxes.h"

namespace {

// The system rounds a timer's wait up to its own least.
constexpr int kSoonMs = 1;

// Clears the flag when the boxes are done, whichever way that ends.
class Showing {
public:
    explicit Showing(bool& flag) : flag_(flag) { flag_ = true; }
    ~Showing() { flag_ = false; }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;

private:
    bool& flag_;
};

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
    Showing showing(showing_);
    while (!pending_.empty()) {
        Box box = std::move(pending_.front());
        pending_.pop_front();
        prompts_.MessageBox(owner_, box.text, box.title, MB_OK);
    }
}
