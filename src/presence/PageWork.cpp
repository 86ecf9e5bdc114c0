#include "presence/PageWork.h"

namespace ilmo::presence {

bool PageWork::running(int page) const {
    const auto found = pages_.find(page);
    return found != pages_.end() && found->second.running;
}

bool PageWork::try_start(int page, Work work, Apply apply) {
    const State& state = pages_[page];
    if (state.running || state.next) return false;
    launch(page, std::move(work), std::move(apply));
    return true;
}

void PageWork::start_next(int page, Work work, Apply apply) {
    State& state = pages_[page];
    if (state.running) {
        state.next.emplace(std::move(work), std::move(apply));
        return;
    }
    launch(page, std::move(work), std::move(apply));
}

void PageWork::invalidate(int page) {
    State& state = pages_[page];
    ++state.epoch;
    state.next.reset();
}

void PageWork::launch(int page, Work work, Apply apply) {
    State& state = pages_[page];
    state.running = true;
    const int epoch = state.epoch;
    jobs_.run(std::move(work),
              [this, page, epoch, apply = std::move(apply)] { finished(page, epoch, apply); });
}

void PageWork::finished(int page, int epoch, const Apply& apply) {
    State& state = pages_[page];
    state.running = false;
    if (state.epoch == epoch) apply();
    // What applying the result started runs first; work that waited goes after it.
    if (state.running || !state.next) return;
    auto [work, next_apply] = std::move(*state.next);
    state.next.reset();
    launch(page, std::move(work), std::move(next_apply));
}

}  // namespace ilmo::presence
