#pragma once
// The device work of each page as the UI thread sees it: at most one job per page runs at a
// time, and what a job found is applied only while the page is still connected the way it was
// when the job began. A device that vanishes or moves to its other link in the meantime makes
// the result stale; it is dropped. UI thread only.

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "presence/DeviceJobs.h"

namespace ilmo::presence {

class PageWork {
public:
    using Work = std::function<void()>;   // runs away from the UI thread
    using Apply = std::function<void()>;  // runs on the UI thread, only while still current

    explicit PageWork(DeviceJobs& jobs) : jobs_(jobs) {}

    bool running(int page) const;
    // Starts `work` unless a job of the page runs; false then, and the caller tries again later.
    bool try_start(int page, Work work, Apply apply);
    // Starts `work` now, or as soon as the page's running job has ended. A later call replaces
    // work that still waits to start.
    void start_next(int page, Work work, Apply apply);
    // The page's connection changed: results of jobs begun before are dropped and work that
    // waits to start is forgotten.
    void invalidate(int page);

    // A job whose outcome the UI thread uses: `work` returns it, `apply` takes it.
    template <class Outcome>
    bool try_start(int page, std::function<Outcome()> work, std::function<void(Outcome)> apply) {
        auto [w, a] = carrying(std::move(work), std::move(apply));
        return try_start(page, std::move(w), std::move(a));
    }
    template <class Outcome>
    void start_next(int page, std::function<Outcome()> work, std::function<void(Outcome)> apply) {
        auto [w, a] = carrying(std::move(work), std::move(apply));
        start_next(page, std::move(w), std::move(a));
    }

private:
    struct State {
        bool running = false;
        int epoch = 0;  // advanced by every change of the page's connection
        std::optional<std::pair<Work, Apply>> next;
    };

    template <class Outcome>
    static std::pair<Work, Apply> carrying(std::function<Outcome()> work,
                                           std::function<void(Outcome)> apply) {
        auto outcome = std::make_shared<Outcome>();
        return {[work = std::move(work), outcome] { *outcome = work(); },
                [apply = std::move(apply), outcome] { apply(*outcome); }};
    }
    void launch(int page, Work work, Apply apply);
    void finished(int page, int epoch, const Apply& apply);

    DeviceJobs& jobs_;
    std::map<int, State> pages_;
};

}  // namespace ilmo::presence
